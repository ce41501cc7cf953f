// Loads the font configuration on a second thread while Qt starts up, so
// that the window's first text does not wait for it. Where the platform has
// no fontconfig (Windows) this does nothing.
#pragma once

#include <thread>

namespace velmora {

class FontWarmUp {
  public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Returns once the configuration is loaded; call before the first text.
    void Wait();

  private:
    std::thread thread_;
};

}  // namespace velmora

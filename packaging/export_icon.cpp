// Writes the window icon, drawn in the source as XPM, to a PNG for the
// desktop's icon theme (and an ICO for the Windows executable).
#include <QImage>
#include <cstdio>

#include "hamburger_icon.xpm"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png|OUTPUT.ico\n", argv[0]);
        return 2;
    }
    const QImage icon(kHamburgerIcon);
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

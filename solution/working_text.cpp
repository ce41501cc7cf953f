#include "working_text.h"

#include "texts.h"
#include "utf16.h"

namespace velmora::solution {

std::u16string WorkingText(const std::optional<Solution>& solution, std::u16string_view lineEnd) {
    std::u16string text;
    const auto line = [&](std::u16string_view content) {
        if (content.empty()) return;
        text += content;
        text += lineEnd;
    };
    if (!solution) {
        line(Utf16(texts::solution::kBeforeFirstCalculation));
        return text;
    }
    line(solution->given);
    int number = 0;
    for (const Step& step : solution->Steps()) {
        line(Utf16(std::to_string(++number)) + u". " + step.Text());
    }
    line(solution->verdict);
    line(solution->answer);
    line(solution->noFigure);
    return text;
}

}  // namespace velmora::solution

// Every text the window shows, in Bulgarian, as UTF-8.
#pragma once

#include <string_view>

namespace velmora::texts {
// The explanation box at start-up: the task and the derivation of the
// relations, 20 lines, each ended by CR LF.
inline constexpr std::string_view kExplanation =
    "В равнобедрения трапец ABCD (AB и CD са основи) е вписана окръжност. За трапеца са въведени "
    "данни за два параметъра от набора: дължини на основите, бедро, периметър и радиус на "
    "вписаната в трапеца окръжност. Трябва да се изчислят останалите три параметри.\r\n"
    "Да се реализира проект, чрез който се осъществяват междупредметни връзки между Геометрия и "
    "Информатика.\r\n"
    "Тема на проекта: Геометрия - вписана окръжност в трапец.\r\n"
    "Реализираният проект позволява избор за всяка от допустимите комбинации от два параметъра.\r\n"
    "\r\n"
    "\r\n"
    "Условието за съществуване на вписана окръжност в трапец е: сумата от дължините на основите да "
    "е равна на сумата от дължините на бедрата му: AB + CD = BC + AD или 2*b = a+c.\r\n"
    "По условие трапецът е равнобедрен AD = BC = b\r\n"
    "Условието да се впише окръжност в равнобедрения трапец е: 2*b = a+c.\r\n"
    "b = (a+c)/2\r\n"
    "Разглеждаме правоъгълния триъгълник AMD.\r\n"
    "AM = (a-c)/2\r\n"
    "AD = b = (a+c)/2\r\n"
    "DM = 2*r - диаметър на вписаната окръжност, както и височина в трапеца.\r\n"
    "От теорема на Питагор:\r\n"
    "AM*AM + DM*DM = AD*AD\r\n"
    "((a-c)/2)^2 +  (2*r)^2 = ((a+c)/2)^2\r\n"
    "(a/2)^2 - a*c/2 + (c/2)^2 + 4*r^2 = (a/2)^2 +a*c/2 + (c/2)^2\r\n"
    "4*r*r = a*c\r\n"
    "r=sqr(a*c)/2\r\n";

// Replaces the explanation when the given values describe no trapezoid.
inline constexpr std::string_view kInvalidData = "Грешни данни!";

// The hidden second text box.
inline constexpr std::string_view kAphorism =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";

inline constexpr std::string_view kTitle = "Геометрия - трапец, вписана окръжност";
inline constexpr std::string_view kParameters = "Параметри";
inline constexpr std::string_view kCalculate = "Изчисли";
inline constexpr std::string_view kClear = "Изчисти";

// Caption: our web address, two blanks, the subject.
inline constexpr std::string_view kWindowCaption = "www.example.org  вписана окръжност в трапец";

// Accessible names of the controls that have no caption of their own.
inline constexpr std::string_view kPairListName = "Дадени величини";
inline constexpr std::string_view kExplanationName = "Обяснение";
inline constexpr std::string_view kFigureName = "Чертеж на трапеца";
inline constexpr std::string_view kFigureDescription =
    "Равнобедрен трапец ABCD с вписана окръжност с център O; DM и CN са височините към основата "
    "AB.";

}  // namespace velmora::texts

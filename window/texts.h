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

// The page's worked solution below the window. "{}" stands for a quantity's
// symbol, a number or what was typed, in the order the sentence names them.
namespace solution {

inline constexpr std::string_view kHeading = "Решение";
inline constexpr std::string_view kBeforeFirstCalculation =
    "Натиснете „Изчисли“ и тук ще видите решението стъпка по стъпка.";
inline constexpr std::string_view kGiven = "Дадено: ";
inline constexpr std::string_view kAnswer = "Отговор: ";

// Why no such trapezoid exists, one sentence for each cause.
inline constexpr std::string_view kUnreadable =
    "Текстът „{}“ в полето {} може да се прочете като две различни числа.";
inline constexpr std::string_view kGivenOutOfRange =
    "Числото в полето {} е извън обхвата на числата, с които програмата смята.";
inline constexpr std::string_view kOutOfRange =
    "Резултатът излиза извън обхвата на числата, с които програмата смята.";
inline constexpr std::string_view kZeroDivisor =
    "На 0 не се дели, а основата {} е 0. Такъв трапец не съществува.";
inline constexpr std::string_view kZeroBase =
    "Основа, равна на 0, не е възможна. Такъв трапец не съществува.";
inline constexpr std::string_view kOppositeSigns =
    "Основите a и c са с различни знаци, а дължина не може да е отрицателна. Такъв трапец не "
    "съществува.";
inline constexpr std::string_view kHeightOverLeg =
    "Височината 2·r е по-голяма от бедрото b, а това в трапец е невъзможно. Такъв трапец не "
    "съществува.";
// The same where b or r was negative, which the test lets through as its size.
inline constexpr std::string_view kHeightOverLegInSize =
    "|2·r| > |b|: височината е по-голяма от бедрото, а това в трапец е невъзможно. Такъв трапец "
    "не съществува.";
inline constexpr std::string_view kSquare =
    "При D = 0 основите са равни (a = c), бедрата са перпендикулярни на тях и фигурата е "
    "квадрат, а не трапец.";

// The address that opens the same calculation again, the phone's sharing of
// it, its copy to the clipboard elsewhere, and what is said once it is copied.
inline constexpr std::string_view kLink = "Връзка към това решение";
inline constexpr std::string_view kShare = "Сподели";
inline constexpr std::string_view kCopy = "Копирай";
inline constexpr std::string_view kCopied = "Връзката е копирана.";

// The trapezoid drawn to scale, or why it is not.
inline constexpr std::string_view kNoFigure = "Няма чертеж в мащаб: дължината {} не е положителна.";
inline constexpr std::string_view kFigureTitle = "Трапецът ABCD в мащаб";
// The figure's two handles, what a screen reader calls each: the lower base,
// moved by the corners A and B, and the upper, by C and D.
inline constexpr std::string_view kBaseAHandle = "Основа a";
inline constexpr std::string_view kBaseCHandle = "Основа c";
// The desktop pane's figure, one control for both handles: its name, which
// says how the keys move it, and its value.
inline constexpr std::string_view kMovableFigure =
    "{}: стрелките наляво и надясно променят основа a, надолу и нагоре – основа c, със Shift по "
    "десет стъпки; Home и End дават най-малката и най-голямата основа a, а с Ctrl – основа c";
inline constexpr std::string_view kFigureValue = "основа a = {}, основа c = {}";
inline constexpr std::string_view kFigureDescription =
    "Равнобедрен трапец ABCD: долна основа a = {}, горна основа c = {}, бедра b = {} и вписана "
    "окръжност с радиус r = {}, която допира четирите страни.";

}  // namespace solution

}  // namespace velmora::texts

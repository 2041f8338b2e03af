#include "shell/clock_faces.h"

#include <array>
#include <cmath>

namespace orvela::shell {

namespace {

const double pi = 4 * std::atan(1.0);

constexpr std::array<const char*, 7> englishDays = {
    "Monday ", "Tuesday ", "Wednesday ", "Thursday ", "Friday ", "Saturday ", "Sunday "};
constexpr std::array<const char*, 7> russianDays = {
    "Понедельник ", "Вторник ", "Среда ", "Четверг ", "Пятница ", "Суббота ", "Воскресенье "};

struct Hand {
    const char* line;
    double length; // twips on a 768-pixel-high screen
    double (*angle)(const forms::DateTime&);
};
constexpr std::array<Hand, 3> hands = {Hand{"Line1", 3800, secondHandAngle},
                                       Hand{"Line2", 3200, minuteHandAngle},
                                       Hand{"Line3", 2500, hourHandAngle}};

void placeLine(forms::Control& line, TwipsPoint from, TwipsPoint to) {
    line.setEnds(static_cast<float>(from.x), static_cast<float>(from.y), static_cast<float>(to.x),
                 static_cast<float>(to.y));
}

} // namespace

std::string twoDigits(int value) {
    if (value > 9)
        return std::to_string(value);
    std::string text(1, '0');
    text += std::to_string(value);
    return text;
}

const char* weekdayName(int weekday, Language language) {
    if (weekday < 1 || weekday > 7)
        return nullptr;
    const auto& names = language == Language::Russian ? russianDays : englishDays;
    return names[static_cast<std::size_t>(weekday - 1)];
}

double secondHandAngle(const forms::DateTime& t) {
    return 3 * pi / 2 + 2 * pi * t.second / 60;
}

double minuteHandAngle(const forms::DateTime& t) {
    return 3 * pi / 2 + 2 * pi * (t.minute + t.second / 60.0) / 60;
}

double hourHandAngle(const forms::DateTime& t) {
    const double minutes = t.minute + t.second / 60.0;
    return 3 * pi / 2 + 2 * pi * (t.hour + minutes / 60) / 12;
}

TwipsPoint handEnd(TwipsPoint centre, double length, double k, double theta) {
    return {centre.x + length * k * std::cos(theta), centre.y + length * k * std::sin(theta)};
}

void ClockFaces::showTime(const char* hours, const char* minutes, const char* seconds) {
    const forms::DateTime now = clock_.now(); // one reading for all three fields
    forms::Form& f = form2_.touch();
    f.control(seconds).setCaption(twoDigits(now.second));
    f.control(minutes).setCaption(twoDigits(now.minute));
    f.control(hours).setCaption(twoDigits(now.hour));
}

void ClockFaces::timeshow() {
    showTime("Label209", "Label208", "Label210");
}

void ClockFaces::timeshow2() {
    showTime("Label30", "Label29", "Label31");
}

void ClockFaces::timeshow3() {
    showTime("Label57", "Label56", "Label58");
}

void ClockFaces::datash() {
    forms::Form& f = form2_.touch();
    forms::Control& line = f.control("Label202");
    if (const char* name = weekdayName(settings_.weekday(), settings_.language()))
        line.setCaption(name);
    const forms::DateTime today = clock_.now();
    const std::string date = system_.shortDate(today.year, today.month, today.day);
    f.control("Label26").setCaption(line.caption());
    line.setCaption(line.caption() + date);
    f.control("Label53").setCaption(line.caption());
    f.control("Label32").setCaption(date);
}

void ClockFaces::setClockGroupVisible(bool visible) {
    forms::Form& f = form2_.touch();
    for (const char* name :
         {"Label202", "Label206", "Label207", "Label208", "Label209", "Label210"})
        f.control(name).setVisible(visible);
}

void ClockFaces::showVariantTwoClock(bool shown) {
    forms::Form& f = form2_.touch();
    for (const char* label :
         {"Label26", "Label27", "Label28", "Label29", "Label30", "Label31", "Label32"})
        f.control(label).setVisible(shown);
}

void ClockFaces::setHourHandColor(forms::Color color) {
    form2_.touch().control("Line3").setBorderColor(color);
}

bool ClockFaces::clockShown() {
    return form2_.touch().control("Label208").visible();
}

void ClockFaces::moveHands(const forms::DateTime& t, TwipsPoint centre, double k,
                           forms::Color dotColor) {
    forms::Form& f = form2_.touch();
    for (const Hand& hand : hands)
        placeLine(f.control(hand.line), centre, handEnd(centre, hand.length, k, hand.angle(t)));
    forms::Control& dot = f.control("Line4");
    placeLine(dot, centre, centre);
    dot.setBorderColor(dotColor);
}

} // namespace orvela::shell

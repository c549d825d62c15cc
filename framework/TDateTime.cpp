#include "framework/TDateTime.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>

int TDateTime::Language = TDateTime::lngEnglish;

namespace {

using Names12 = std::array<const char*, 12>;
using Names7 = std::array<const char*, 7>;
// The French names keep a space where an accented letter would stand.
const std::array<Names12, 2> kShortMonths = {
    Names12{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    Names12{"Janv", "F vr", "Mars", "Avr", "Mai", "Juin", "Juil", "Ao t", "Sept", "Oct", "Nov",
            "D c"}};
const std::array<Names12, 2> kLongMonths = {
    Names12{"January", "February", "March", "April", "May", "June", "July", "August", "September",
            "October", "November", "December"},
    Names12{"Janvier", "F vrier", "Mars", "Avril", "Mai", "Juin", "Juillet", "Ao t", "Septembre",
            "Octobre", "Novembre", "D cembre"}};
const std::array<Names7, 2> kShortDays = {Names7{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
                                          Names7{"Dim", "Lun", "Mar", "Mer", "Jeu", "Ven", "Sam"}};
const std::array<Names7, 2> kLongDays = {
    Names7{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    Names7{"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"}};

int Lang() {
    return TDateTime::Language == TDateTime::lngFrench ? 1 : 0;
}

std::string MonthName(int month, bool longName) {
    if (month < 1 || month > 12) return "";
    return longName ? kLongMonths[Lang()][month - 1] : kShortMonths[Lang()][month - 1];
}

std::string DayName(int weekday, bool longName) {
    if (weekday < 0 || weekday > 6) return "";
    return longName ? kLongDays[Lang()][weekday] : kShortDays[Lang()][weekday];
}

}  // namespace

std::shared_ptr<TDateTime> TDateTime::Create() {
    auto date = std::make_shared<TDateTime>();
    date->Set_DateTimeCurrent();
    return date;
}

std::string TDateTime::Get_String_Parser_Formater(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width) return std::string(width - text.size(), '0') + text;
    return text.substr(text.size() - width);
}

std::string TDateTime::Get_String_Parser(const std::string& format, char letter, int position,
                                         int count, const TDateTime& date) {
    auto num = [&](int value) {
        if (count == 1) return std::to_string(value);
        if (count == 2) return Get_String_Parser_Formater(value, 2);
        return std::string();
    };
    switch (letter) {
        case 'Y':
            if (count == 2) return Get_String_Parser_Formater(date.Year, 2);
            if (count == 4) return Get_String_Parser_Formater(date.Year, 4);
            return "";
        case 'M':
            if (count <= 2) return num(date.Month);
            if (count == 3) return MonthName(date.Month, false);
            if (count == 4) return MonthName(date.Month, true);
            return "";
        case 'D':
            if (count <= 2) return num(date.Day);
            if (count == 3) return DayName(WeekDay(date), false);
            if (count == 4) return DayName(WeekDay(date), true);
            return "";
        case 'H':
            return num(date.Hour);
        case 'N':
            return num(date.Minute);
        case 'S':
            return num(date.Second);
        default:
            return format.substr(position, count);
    }
}

std::string TDateTime::Get_String(const TDateTime& date, const std::string& format) {
    std::string out;
    size_t i = 0;
    while (i < format.size()) {
        size_t j = i;
        while (j < format.size() && format[j] == format[i]) ++j;
        out += Get_String_Parser(format, format[i], static_cast<int>(i), static_cast<int>(j - i),
                                 date);
        i = j;
    }
    return out;
}

int TDateTime::Conv_Date2Julian(const TDateTime& date) {
    // Julian day number of a Gregorian date (Fliegel and Van Flandern).
    int a = (14 - date.Month) / 12;
    int y = date.Year + 4800 - a;
    int m = date.Month + 12 * a - 3;
    return date.Day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

void TDateTime::Conv_Julian2Date(int julian, TDateTime& date) {
    int a = julian + 32044;
    int b = (4 * a + 3) / 146097;
    int c = a - 146097 * b / 4;
    int d = (4 * c + 3) / 1461;
    int e = c - 1461 * d / 4;
    int m = (5 * e + 2) / 153;
    date.Day = e - (153 * m + 2) / 5 + 1;
    date.Month = m + 3 - 12 * (m / 10);
    date.Year = 100 * b + d - 4800 + m / 10;
}

int TDateTime::WeekDay(const TDateTime& date) {
    return (Conv_Date2Julian(date) + 1) % 7;
}

namespace {
long long Seconds(const TDateTime& d) {
    return static_cast<long long>(TDateTime::Conv_Date2Julian(d)) * 86400 + d.Hour * 3600 +
           d.Minute * 60 + d.Second;
}
void FromSeconds(long long total, TDateTime& d) {
    long long days = total / 86400, rest = total % 86400;
    TDateTime::Conv_Julian2Date(static_cast<int>(days), d);
    d.Hour = static_cast<int>(rest / 3600);
    d.Minute = static_cast<int>(rest / 60 % 60);
    d.Second = static_cast<int>(rest % 60);
}
long long UnitSeconds(TDateTime::Unit unit) {
    switch (unit) {
        case TDateTime::UNIT_MINUTE:
            return 60;
        case TDateTime::UNIT_HOUR:
            return 3600;
        case TDateTime::UNIT_DAY:
            return 86400;
        default:
            return 1;
    }
}
}  // namespace

std::shared_ptr<TDateTime> TDateTime::Add(Unit unit, int amount, const TDateTime& date) {
    auto result = std::make_shared<TDateTime>();
    FromSeconds(Seconds(date) + UnitSeconds(unit) * amount, *result);
    return result;
}

int TDateTime::Diff(Unit unit, const TDateTime& a, const TDateTime& b) {
    return static_cast<int>((Seconds(b) - Seconds(a)) / UnitSeconds(unit));
}

int TDateTime::compare(const TDateTime& other) const {
    long long a = Seconds(*this), b = Seconds(other);
    return a < b ? -1 : (a > b ? 1 : 0);
}

void TDateTime::Set_DateSerial(int y, int m, int d) {
    Year = y;
    Month = m;
    Day = d;
}

void TDateTime::Set_TimeSerial(int h, int n, int s) {
    Hour = h;
    Minute = n;
    Second = s;
}

void TDateTime::Set_DateTimeSerial(int y, int m, int d, int h, int n, int s) {
    Set_DateSerial(y, m, d);
    Set_TimeSerial(h, n, s);
}

namespace {
std::tm LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return tm;
}
}  // namespace

void TDateTime::Set_DateCurrent() {
    std::tm tm = LocalNow();
    Set_DateSerial(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

void TDateTime::Set_TimeCurrent() {
    std::tm tm = LocalNow();
    Set_TimeSerial(tm.tm_hour, tm.tm_min, tm.tm_sec);
}

void TDateTime::Set_DateTimeCurrent() {
    std::tm tm = LocalNow();
    Set_DateTimeSerial(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                       tm.tm_sec);
}

void TDateTime::Debug_PrintDate() const {
    std::printf("%s\n", Get_String(*this, "YYYY-MM-DD HH:NN:SS").c_str());
}

std::string TwelveHourClock(const std::string& time) {
    if (time.size() < 2) return time;
    int hour = std::atoi(time.substr(0, 2).c_str());
    int shown = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(shown) + time.substr(2) + (hour < 12 ? "am" : "pm");
}

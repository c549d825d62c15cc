#pragma once

#include <memory>
#include <string>

// A calendar date and time of day, and the formatter used for file names.
class TDateTime {
public:
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;

    static constexpr const char* MonthList = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    static constexpr int lngEnglish = 0;
    static constexpr int lngFrench = 1;
    // Language of the name tables in force.
    static int Language;

    enum Unit { UNIT_SECOND, UNIT_MINUTE, UNIT_HOUR, UNIT_DAY };

    // The current local date and time.
    static std::shared_ptr<TDateTime> Create();
    static std::shared_ptr<TDateTime> Add(Unit unit, int amount, const TDateTime& date);
    // b - a in whole units.
    static int Diff(Unit unit, const TDateTime& a, const TDateTime& b);
    // Runs of one repeated letter become date parts (Y, M, D, H, N, S), anything else stays.
    static std::string Get_String(const TDateTime& date, const std::string& format);
    static std::string Get_String_Parser(const std::string& format, char letter, int position,
                                         int count, const TDateTime& date);
    // value left-padded with "0" to width, or its last width characters when longer.
    static std::string Get_String_Parser_Formater(int value, int width);
    static int Conv_Date2Julian(const TDateTime& date);
    static void Conv_Julian2Date(int julian, TDateTime& date);
    // 0 = Sunday .. 6 = Saturday.
    static int WeekDay(const TDateTime& date);

    void Copy(const TDateTime& date) { *this = date; }
    // -1, 0 or 1 as this is before, equal to or after other.
    int compare(const TDateTime& other) const;
    void Set_DateSerial(int y, int m, int d);
    void Set_TimeSerial(int h, int n, int s);
    void Set_DateTimeSerial(int y, int m, int d, int h, int n, int s);
    void Set_DateCurrent();
    void Set_TimeCurrent();
    void Set_DateTimeCurrent();
    void Debug_PrintDate() const;
};

// "HH..." as a 12-hour time: hour mod 12 (12 for 0), the rest, then "am" or "pm".
std::string TwelveHourClock(const std::string& time);

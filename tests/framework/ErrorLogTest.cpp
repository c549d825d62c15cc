#include <regex>
#include <stdexcept>

#include "framework/Messages.h"
#include "framework/TDateTime.h"
#include "framework/TFatalExit.h"
#include "tests/framework/FrameworkFixture.h"

using ErrorLogTest = FrameworkTest;

TEST_F(ErrorLogTest, EntriesAreThreeLinesAppendedNeverTruncated) {
    AppendErrorLog("first");
    AppendErrorLog("second");
    std::string log = testsupport::ReadFile(dir.Path() / "ErrorLog.txt");
    std::regex entry(
        "-{57}\nDate: \\d\\d [A-Z][a-z]{2} \\d{4}   Time: \\d\\d:\\d\\d:\\d\\d\nfirst\n"
        "-{57}\nDate: \\d\\d [A-Z][a-z]{2} \\d{4}   Time: \\d\\d:\\d\\d:\\d\\d\nsecond\n");
    EXPECT_TRUE(std::regex_match(log, entry)) << log;
}

TEST_F(ErrorLogTest, AnUnwritableLogIsSkippedSilently) {
    SharedDataPath = (dir.Path() / "missing" / "folder").string() + "/";
    EXPECT_NO_THROW(AppendErrorLog("lost"));
}

TEST_F(ErrorLogTest, MessagesLogOnlyWhenAsked) {
    ShowMessage("quiet", 0, 0);
    ShowMessage("loud", 0, 1);
    LogErrors = 0;
    ShowMessage("muted", 0, 1);
    std::string log = testsupport::ReadFile(dir.Path() / "ErrorLog.txt");
    EXPECT_EQ(log.find("quiet"), std::string::npos);
    EXPECT_NE(log.find("loud"), std::string::npos);
    EXPECT_EQ(log.find("muted"), std::string::npos);
}

TEST_F(ErrorLogTest, AFatalMessageEndsTheProgramSoASecondIsNeverLogged) {
    auto run = [] {
        ShowMessage("first fatal", 1, 1);
        ShowMessage("second fatal", 1, 1);
    };
    EXPECT_THROW(run(), TFatalExit);
    std::string log = testsupport::ReadFile(dir.Path() / "ErrorLog.txt");
    EXPECT_NE(log.find("first fatal"), std::string::npos);
    EXPECT_EQ(log.find("second fatal"), std::string::npos);
}

TEST_F(ErrorLogTest, CrashReportsCarryTheStartupStepOnceOneIsSet) {
    StartupStep = 0;
    EXPECT_EQ(CrashReportText("boom"), "boom");
    StartupStep = 11;
    EXPECT_EQ(CrashReportText("boom"), "(11) boom");
}

TEST_F(ErrorLogTest, AnErrorInsideTheFrameLoopIsReportedWithTheStepAndLogged) {
    struct Exploding : ProbeScreen {
        using ProbeScreen::ProbeScreen;
        void Logic() override { throw std::runtime_error("the card flew off the table"); }
    } screen("boom");
    screen.PreStart();
    StartupStep = 11;
    now += 10;
    EXPECT_EQ(Game->Run(), 1);
    std::string log = testsupport::ReadFile(dir.Path() / "ErrorLog.txt");
    EXPECT_NE(log.find("\n(11) the card flew off the table\n"), std::string::npos) << log;
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "GoodExit.dat")) << "shutdown still ran";
}

TEST(DateTimeTest, FormatLettersByRunLength) {
    TDateTime d;
    d.Set_DateTimeSerial(2026, 12, 7, 9, 5, 3);  // a Monday
    struct Case {
        const char* format;
        const char* expected;
    } cases[] = {
        {"YYYY-MM-DD HHNNSS screenshot.png", "2026-12-07 090503 screenshot.png"},
        {"YY", "26"},
        {"Y", ""},
        {"YYY", ""},
        {"YYYYY", ""},
        {"M/D", "12/7"},
        {"MMM DDD", "Dec Mon"},
        {"MMMM DDDD", "December Monday"},
        {"MMMMM", ""},
        {"H:N:S", "9:5:3"},
        {"HHH", ""},
        {"at HH", "at 09"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TDateTime::Get_String(d, c.format), c.expected) << c.format;
}

TEST(DateTimeTest, FrenchNamesKeepTheirSpaces) {
    TDateTime d;
    d.Set_DateSerial(2026, 2, 1);
    TDateTime::Language = TDateTime::lngFrench;
    EXPECT_EQ(TDateTime::Get_String(d, "MMMM MMM"), "F vrier F vr");
    TDateTime::Language = TDateTime::lngEnglish;
}

TEST(DateTimeTest, PaddingAndJulianDays) {
    EXPECT_EQ(TDateTime::Get_String_Parser_Formater(7, 3), "007");
    EXPECT_EQ(TDateTime::Get_String_Parser_Formater(2026, 2), "26");
    TDateTime d, back;
    d.Set_DateSerial(2000, 1, 1);
    EXPECT_EQ(TDateTime::Conv_Date2Julian(d), 2451545);
    TDateTime::Conv_Julian2Date(2451545 + 60, back);
    EXPECT_EQ(back.Year, 2000);
    EXPECT_EQ(back.Month, 3);
    EXPECT_EQ(back.Day, 1);
    EXPECT_EQ(TDateTime::WeekDay(d), 6);  // a Saturday
    auto later = TDateTime::Add(TDateTime::UNIT_HOUR, 25, d);
    EXPECT_EQ(later->Day, 2);
    EXPECT_EQ(later->Hour, 1);
    EXPECT_EQ(TDateTime::Diff(TDateTime::UNIT_MINUTE, d, *later), 25 * 60);
    EXPECT_EQ(d.compare(*later), -1);
}

TEST(DateTimeTest, TwelveHourClock) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"00:15", "12:15am"}, {"09:30", "9:30am"}, {"12:00", "12:00pm"}, {"23:59", "11:59pm"}};
    for (const auto& c : cases) EXPECT_EQ(TwelveHourClock(c.in), c.out) << c.in;
}

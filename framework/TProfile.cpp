#include "framework/TProfile.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/Messages.h"
#include "framework/TGame.h"
#include "framework/TIniFile.h"
#include "platform/Clock.h"

std::string TProfile::ProfileExtension = "dat";
int TProfile::ProfileHintMarker = 0;
int TProfile::ProfileUseBackup = 0;
std::function<void(TProfile&)> TProfile::ProfileCreatedHook;
std::function<void(int)> TProfile::ProfileHintShownHook;

namespace {

// The counters are stored with offsets added in 32-bit two's complement, wrapping around.
int32_t Offset(int32_t value, int step) {
    uint32_t u = static_cast<uint32_t>(value) + static_cast<uint32_t>(TProfile::ProfileBase) +
                 static_cast<uint32_t>(step) * static_cast<uint32_t>(TProfile::ProfileStep);
    return static_cast<int32_t>(u);
}

int32_t Unoffset(int32_t stored, int step) {
    uint32_t u = static_cast<uint32_t>(stored) - static_cast<uint32_t>(TProfile::ProfileBase) -
                 static_cast<uint32_t>(step) * static_cast<uint32_t>(TProfile::ProfileStep);
    return static_cast<int32_t>(u);
}

void WriteInt(std::ostream& out, int32_t v) {
    auto u = static_cast<uint32_t>(v);
    char b[4] = {static_cast<char>(u & 0xff), static_cast<char>((u >> 8) & 0xff),
                 static_cast<char>((u >> 16) & 0xff), static_cast<char>((u >> 24) & 0xff)};
    out.write(b, 4);
}

void WriteDouble(std::ostream& out, double v) {
    uint64_t u;
    std::memcpy(&u, &v, sizeof u);
    char b[8];
    for (int i = 0; i < 8; ++i) b[i] = static_cast<char>((u >> (8 * i)) & 0xff);
    out.write(b, 8);
}

bool ReadInt(std::istream& in, int32_t& v) {
    unsigned char b[4];
    in.read(reinterpret_cast<char*>(b), 4);
    if (in.gcount() != 4) return false;
    v = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                             static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
    return true;
}

bool ReadDouble(std::istream& in, double& v) {
    unsigned char b[8];
    in.read(reinterpret_cast<char*>(b), 8);
    if (in.gcount() != 8) return false;
    uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u |= static_cast<uint64_t>(b[i]) << (8 * i);
    std::memcpy(&v, &u, sizeof v);
    return true;
}

// Copies from to to through a temporary file, so to is either the old file or a whole copy.
bool CopyWhole(const std::string& from, const std::string& to) {
    std::error_code ec;
    const std::string temp = to + ".tmp";
    std::filesystem::copy_file(from, temp, std::filesystem::copy_options::overwrite_existing, ec);
    if (!ec) std::filesystem::rename(temp, to, ec);
    if (ec) std::filesystem::remove(temp, ec);
    return !ec;
}

}  // namespace

TProfile::TProfile() = default;
TProfile::~TProfile() = default;

std::shared_ptr<TProfile> TProfile::Create(const std::string& name) {
    auto profile = std::make_shared<TProfile>();
    profile->Init(name);
    if (ProfileCreatedHook) ProfileCreatedHook(*profile);
    return profile;
}

void TProfile::Init(const std::string& name) {
    Name = name;
    CurrentLevel = 1;
    LockedLevel = 2;
    Score = 0;
    Lives = 3;
    Kills = 0;
    TimeTaken = 0;
    Difficulty = 0;
    TipsFlag = 1;
    InstructionsFlag = 1;
    ClearHints();
}

void TProfile::ClearHints() {
    HintsSet(0);
}

void TProfile::HintsSet(int value) {
    HintsShown.fill(value);
}

int TProfile::ShowHint(int index, int notify) {
    if (index < 0 || index >= MAX_HINTS) return 0;
    int& shown = HintsShown[static_cast<size_t>(index)];
    if (shown == 1) return 0;
    shown = 1;
    if (notify && ProfileHintShownHook) ProfileHintShownHook(index);
    return 1;
}

std::string TProfile::FilePath(const std::string& extension) const {
    return (Game ? Game->ProfilePath : std::string()) + Name + "." + extension;
}

void TProfile::Save() {
    if (TRetry::Run([this] { return SaveAttempt(); }, RetryDelayMs)) return;
    // The last good file is still in place; the log says why this save is missing.
    AppendErrorLog("Could not create file '" + FilePath() + "'");
}

int TProfile::SaveAttempt() {
    std::ostringstream out(std::ios::binary);
    WriteInt(out, Offset(CurrentLevel, 0));
    WriteInt(out, Offset(LockedLevel, 1));
    WriteInt(out, Offset(Score, 2));
    WriteInt(out, Offset(Lives, 3));
    WriteInt(out, Offset(Kills, 4));
    WriteDouble(out, TimeTaken);
    WriteInt(out, Difficulty);
    WriteInt(out, TipsFlag);
    WriteInt(out, InstructionsFlag);
    if (ProfileHintMarker) WriteInt(out, HintMarkerValue);
    for (int hint : HintsShown) WriteInt(out, hint);
    if (SaveUserFunction) SaveUserFunction(out);
    if (!out) return 0;
    return TIniFile::WriteAtomically(FilePath(), out.str()) ? 1 : 0;
}

int TProfile::Corrupt(const std::string& reason) {
    currentStream.reset();
    ShowMessage("Profile " + Name + " is corrupt: " + reason, 0, 1);
    loadingError = 1;
    return 0;
}

int TProfile::LoadAttempt() {
    const std::string path = FilePath();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) {
        // A new profile starts with its Init values and the game's fresh record.
        Save();
        return 1;
    }
    currentStream = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*currentStream) {
        currentStream.reset();
        return 0;
    }
    std::istream& in = *currentStream;
    const std::string endsEarly = "the file '" + path + "' ends inside its header.";

    int32_t raw[5];
    if (!ReadInt(in, raw[0])) return Corrupt(endsEarly);
    if (raw[0] == 0) return Corrupt("First int was 0.");
    for (int i = 1; i < 5; ++i)
        if (!ReadInt(in, raw[i])) return Corrupt(endsEarly);
    double timeTaken = 0;
    int32_t difficulty = 0, tips = 0, instructions = 0;
    if (!ReadDouble(in, timeTaken) || !ReadInt(in, difficulty) || !ReadInt(in, tips) ||
        !ReadInt(in, instructions))
        return Corrupt(endsEarly);
    if (ProfileHintMarker) {
        int32_t marker = 0;
        if (!ReadInt(in, marker) || marker != HintMarkerValue) return Corrupt("Checksum Error.");
    }
    std::array<int, MAX_HINTS> hints{};
    for (int& hint : hints) {
        int32_t v;
        if (!ReadInt(in, v)) break;
        hint = v;
    }
    if (LoadUserFunction && !LoadUserFunction(in))
        return Corrupt("the saved progress in '" + path + "' is incomplete.");
    currentStream.reset();

    // Applied only once the whole file has been read, so a damaged file changes nothing.
    CurrentLevel = Unoffset(raw[0], 0);
    LockedLevel = Unoffset(raw[1], 1);
    Score = Unoffset(raw[2], 2);
    Lives = Unoffset(raw[3], 3);
    Kills = Unoffset(raw[4], 4);
    TimeTaken = timeTaken;
    Difficulty = difficulty;
    TipsFlag = tips;
    InstructionsFlag = instructions;
    HintsShown = hints;
    return 1;
}

int TProfile::Load() {
    loadingError = 0;
    for (int attempt = 0; attempt < TRetry::ATTEMPTS; ++attempt) {
        if (LoadAttempt()) return 1;
        if (loadingError) break;
        currentStream.reset();
        if (attempt + 1 < TRetry::ATTEMPTS && RetryDelayMs > 0)
            platform::Clock::Delay(RetryDelayMs);
    }
    if (!loadingError) ShowMessage("Profile " + Name + " failed to load", 0, 1);
    std::error_code ec;
    if (ProfileUseBackup && std::filesystem::exists(FilePath("backup"), ec)) return LoadBackup();
    KeepBadCopy();
    return 0;
}

int TProfile::LoadBackup() {
    const std::string backup = FilePath("backup");
    std::error_code ec;
    if (!std::filesystem::exists(backup, ec)) return 0;
    const std::string path = FilePath();
    std::filesystem::rename(path, FilePath("bad"), ec);
    if (!CopyWhole(backup, path)) {
        AppendErrorLog("Could not copy backup!");
        return 0;
    }
    loadingError = 0;
    if (!LoadAttempt()) return 0;
    ShowMessage("Loaded backup profile.", 0, 1);
    return 1;
}

void TProfile::KeepBadCopy() {
    // The next save rewrites the profile file; what could not be read stays beside it.
    const std::string path = FilePath();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return;
    const std::string bad = FilePath("bad");
    if (CopyWhole(path, bad))
        ShowMessage("Profile " + Name + " could not be read; the file is kept as '" + bad + "'.", 0,
                    1);
}

void TProfile::Backup() {
    const std::string extension = ProfileExtension;
    ProfileExtension = "backup";
    Save();
    ProfileExtension = extension;
}

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "framework/TRetry.h"

// One player's profile: a small binary header of framework counters and hint flags, followed
// by the game's own record, written and read through the two user functions. The file is
// Game->ProfilePath + Name + "." + ProfileExtension.
class TProfile {
public:
    static constexpr int MAX_HINTS = 100;
    // Offsets added to the five counters so a hand-edited file is less obvious.
    static constexpr int32_t ProfileBase = 5182204;
    static constexpr int32_t ProfileStep = 3061457;
    static constexpr int32_t HintMarkerValue = 16013996;
    // Header bytes before the hints (with the marker word off).
    static constexpr int HEADER_BYTES = 5 * 4 + 8 + 3 * 4;

    // --- Type-level settings
    static std::string ProfileExtension;
    // Non-zero: a marker word is written before the hints and checked on load.
    static int ProfileHintMarker;
    // Non-zero: a profile that fails to load falls back to its ".backup" copy.
    static int ProfileUseBackup;
    // Called by Create on every new profile object (the game initialises its record here).
    static std::function<void(TProfile&)> ProfileCreatedHook;
    // Called by ShowHint when asked to notify; receives the hint's index.
    static std::function<void(int)> ProfileHintShownHook;

    std::string Name;
    int CurrentLevel = 1;
    int LockedLevel = 2;
    int Score = 0;
    int Lives = 3;
    int Kills = 0;
    double TimeTaken = 0;
    int Difficulty = 0;
    int TipsFlag = 1;
    int InstructionsFlag = 1;
    std::array<int, MAX_HINTS> HintsShown{};
    // The game's record after the header. The load function returns 0 when the record could
    // not be read whole, which makes the file count as corrupt.
    std::function<void(std::ostream&)> SaveUserFunction;
    std::function<int(std::istream&)> LoadUserFunction;
    int loadingError = 0;
    // The file being read, open only inside LoadAttempt.
    std::unique_ptr<std::istream> currentStream;

    TProfile();
    ~TProfile();
    TProfile(const TProfile&) = delete;
    TProfile& operator=(const TProfile&) = delete;

    // A new profile: Init(name), then ProfileCreatedHook.
    static std::shared_ptr<TProfile> Create(const std::string& name);
    void Init(const std::string& name);
    void ClearHints();
    void HintsSet(int value);
    // 1 when the hint had not been shown yet (it is now marked shown), else 0.
    int ShowHint(int index, int notify);

    // Up to 5 attempts of SaveAttempt, 200 ms apart after a failure.
    void Save();
    // Writes the whole file beside its place and renames it over the old one, so a failed
    // save leaves the last good file whole. 1 on success.
    int SaveAttempt();
    // 1 when the profile (or its backup) was read, or created because it did not exist.
    int Load();
    int LoadAttempt();
    // Sets the damaged file aside as ".bad", copies the backup over it and loads that.
    int LoadBackup();
    // Saves a copy as Name + ".backup".
    void Backup();

    // Game->ProfilePath + Name + "." + extension.
    std::string FilePath(const std::string& extension) const;
    std::string FilePath() const { return FilePath(ProfileExtension); }

    // Pause between failed attempts (tests shorten it).
    int RetryDelayMs = TRetry::DELAY_MS;

private:
    // Closes the file, reports why it is corrupt and marks the load as failed.
    int Corrupt(const std::string& reason);
    // Keeps a copy of a damaged file as ".bad" when there is no backup to fall back on.
    void KeepBadCopy();
};

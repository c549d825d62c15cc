#pragma once

// Connects the framework's profiles to the saved progress: every current profile writes and
// reads SaveData after its header, a new profile starts from a fresh record, and damaged
// profiles fall back to their backup.
class TProfileBinding {
public:
    static void Install();
};

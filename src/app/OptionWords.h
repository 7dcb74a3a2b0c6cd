#pragma once

namespace Corvane {

// The program's option words. "/win" and "/full" are matched exactly, case included; the long spellings are
// the Linux habit. The last window word wins.
class OptionWords {
public:
    enum class Window { Unchanged, Windowed, FullScreen };

    OptionWords(int argumentCount, const char* const* arguments);

    bool WantsHelp() const { return help; }
    bool WantsVersion() const { return version; }
    // Unchanged when no window word was given: the caller's default stands.
    Window GetWindow() const { return window; }
    bool WantsIntegerScale() const { return integerScale; }
    // "--replay WHAT": the word after it, or null when none was given.
    const char* GetReplay() const { return replay; }
    bool WantsNoSave() const { return noSave; }
    bool WantsClassic() const { return classic; }

    // Words that look like options (a leading '-' or '/') but are none of ours, each named once on standard
    // error. They are otherwise ignored, so an old shortcut with a stray word still starts the game.
    void ReportUnknown() const;
    // The number of distinct unknown option words, for the report and its tests.
    int CountUnknown() const;

    static void PrintHelp();
    static void PrintVersion();

private:
    static bool IsKnown(const char* word);
    bool IsFirstUnknownAt(int index) const;

    int argumentCount;
    const char* const* arguments;
    bool help = false;
    bool version = false;
    bool integerScale = false;
    bool noSave = false;
    bool classic = false;
    bool replayMissing = false;
    const char* replay = nullptr;
    Window window = Window::Unchanged;
};

}  // namespace Corvane

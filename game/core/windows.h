// The one narrow way the game's rules reach its windows.  The Qt windows
// implement it; rule tests use a recording stand-in (tests/support).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/core/player_text.h"

namespace game {

// Captions of the eleven status values, in the order UpdateStatus sets them:
// Label1, Label3, Label5(0), Label5(1), Label6(0) ... Label6(6).
using StatusCaptions = std::array<std::string, 11>;

// The windows of the game by their number: Form1 the game window, Form2 the
// notice, Form3 the main menu, Form4 the credits, Form5 to Form7 the
// question, load and save dialogs, Form8 the progress notice.
enum class Form : int { Game = 1, Notice, Menu, Credits, Question, Load, Save, Progress };

class GameWindows {
  public:
    virtual ~GameWindows() = default;

    // --- message log (Form1.Text1) ---
    // Lines the log box shows, a long line counting as many as it wraps
    // into; an empty box has one (empty) line.
    virtual int LogLineCount() = 0;
    virtual void ClearLog() = 0;
    // Appends a line break and the text, and scrolls to the end.
    virtual void AppendLogLine(const PlayerText& text) = 0;
    // When the log's last line is `from`, puts `to` in its place and
    // returns true; otherwise changes nothing and returns false.  Both are
    // fixed texts of the rules.
    virtual bool ReplaceLastLogLine(const std::string& from, const std::string& to) = 0;

    // --- play field ---
    // Pixel width of a text in the play field's font.
    virtual int TextWidth(const std::string& text) = 0;

    // --- status display ---
    virtual void ShowStatus(const StatusCaptions& captions) = 0;
    // Some rules set the lives label alone.
    virtual void SetLivesCaption(const std::string& caption) = 0;

    // --- other windows ---
    // The notice window with the text, modally; returns when it is closed.
    virtual void ShowNotice(const PlayerText& text) = 0;
    // The help window with the keys of this run, modally; returns when it is
    // closed.
    virtual void ShowHelp() = 0;
    // A message box with an OK button; returns when it is closed.
    virtual void ShowMessageBox(const PlayerText& text, const std::string& title) = 0;
    // The question window, modally: true for "Ano".  `question` is a text of
    // the questions' own, its %1 (if any) filled with `number`; it opens
    // with "Ano" chosen when yesByDefault, else with "Ne".
    virtual bool AskQuestion(const char* question, int32_t number, bool yesByDefault) = 0;
    // The progress notice: shown with its bar reset to "-", grown, hidden.
    virtual void ShowProgress() = 0;
    virtual void AdvanceProgress(int dashes) = 0;
    virtual void HideProgress() = 0;
    virtual void SetBusyCursor(bool busy) = 0;

    // --- leaving play ---
    // Stops the game window's timer, starts the menu's, hides the game
    // window and shows the menu (the end of a game).
    virtual void EndGameToMenu() = 0;
    // Hides the game window and shows the menu with its timer running; the
    // game stays suspended (Esc).
    virtual void SuspendToMenu() = 0;
    // Starts the game window's timer and shows it (a new, loaded or saved game).
    virtual void ResumeGameWindow() = 0;
    // Closes the game window, which shuts the program down.
    virtual void CloseMainWindow() = 0;

    // --- the frame loop ---
    // One idle pass: lets the window system deliver pending events.
    virtual void ProcessEvents() = 0;
    // Draws the frame and shows it (waiting for the display frame).
    virtual void DrawFrame() = 0;

    // --- start-up and shut-down ---
    // Loads a window's background picture; false when the file is missing
    // or unreadable.
    virtual bool LoadBackground(Form form, const std::string& path) = 0;
    // Shows the progress notice during start-up and lets it paint.
    virtual void ShowLoadingNotice() = 0;
    // Builds the drawing surfaces of the seven picture sheets; on failure
    // false, with *failedPath naming the file.
    virtual bool LoadSurfaces(std::string* failedPath) = 0;
    virtual void FreeSurfaces() = 0;
    virtual void ShowMainMenu() = 0;
    // The game window's native handle (the sound device is opened for it).
    virtual int32_t MainWindowHandle() = 0;
    // Unloads Form2 ... Form8 in that order and ends the program.
    virtual void UnloadWindows() = 0;
};

// Windows that hear everything and show nothing: what the rules talk to
// until real windows are installed, and the base of other quiet stand-ins.
class SilentWindows : public GameWindows {
  public:
    int LogLineCount() override { return 1; }
    void ClearLog() override {}
    void AppendLogLine(const PlayerText&) override {}
    bool ReplaceLastLogLine(const std::string&, const std::string&) override { return false; }
    int TextWidth(const std::string&) override { return 0; }
    void ShowStatus(const StatusCaptions&) override {}
    void SetLivesCaption(const std::string&) override {}
    void ShowNotice(const PlayerText&) override {}
    void ShowHelp() override {}
    void ShowMessageBox(const PlayerText&, const std::string&) override {}
    bool AskQuestion(const char*, int32_t, bool) override { return false; }
    void ShowProgress() override {}
    void AdvanceProgress(int) override {}
    void HideProgress() override {}
    void SetBusyCursor(bool) override {}
    void EndGameToMenu() override {}
    void SuspendToMenu() override {}
    void ResumeGameWindow() override {}
    void CloseMainWindow() override {}
    void ProcessEvents() override {}
    void DrawFrame() override {}
    bool LoadBackground(Form, const std::string&) override { return true; }
    void ShowLoadingNotice() override {}
    bool LoadSurfaces(std::string*) override { return true; }
    void FreeSurfaces() override {}
    void ShowMainMenu() override {}
    int32_t MainWindowHandle() override { return 0; }
    void UnloadWindows() override {}
};

// The windows the rules talk to.  Until a set of windows is installed the
// rules talk to a silent stand-in, so nothing ever reaches a null pointer.
GameWindows& Windows();
void SetWindows(GameWindows* windows);

}  // namespace game

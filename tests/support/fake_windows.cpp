#include "support/fake_windows.h"

#include <algorithm>

#include "game/platform/codepage.h"

namespace testing_support {

bool RecordingWindows::Called(const std::string& call) const {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

int RecordingWindows::CountCalls(const std::string& prefix) const {
    return static_cast<int>(std::count_if(
        calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
}

void RecordingWindows::ClearLog() {
    calls.push_back("ClearLog");
    log.assign(1, "");
}

void RecordingWindows::AppendLogLine(const game::PlayerText& text) {
    log.push_back(text.czech);
}

bool RecordingWindows::ReplaceLastLogLine(const std::string& from, const std::string& to) {
    if (log.back() != from) return false;
    log.back() = to;
    return true;
}

int RecordingWindows::TextWidth(const std::string& text) {
    return textWidthPerChar * static_cast<int>(platform::Utf8ToCodePoints(text).size());
}

void RecordingWindows::ShowStatus(const game::StatusCaptions& captions) {
    calls.push_back("ShowStatus");
    status = captions;
    livesCaption = captions[0];
}

void RecordingWindows::SetLivesCaption(const std::string& caption) {
    calls.push_back("SetLivesCaption(" + caption + ")");
    livesCaption = caption;
    status[0] = caption;
}

void RecordingWindows::ShowHelp() {
    calls.push_back("ShowHelp");
}

void RecordingWindows::ShowNotice(const game::PlayerText& text) {
    calls.push_back("ShowNotice(" + text.czech + ")");
    notices.push_back(text.czech);
    if (onNotice) onNotice(text.czech);
}

void RecordingWindows::ShowMessageBox(const game::PlayerText& text, const std::string& title) {
    calls.push_back("ShowMessageBox(" + text.czech + ")");
    messageBoxes.emplace_back(text.czech, title);
    if (onMessageBox) onMessageBox();
}

bool RecordingWindows::AskQuestion(const char* question, int32_t number, bool yesByDefault) {
    calls.push_back("AskQuestion(" + std::string(question) + "|" + std::to_string(number) + "|" +
                    (yesByDefault ? "yes" : "no") + ")");
    return answer;
}

void RecordingWindows::ShowProgress() {
    calls.push_back("ShowProgress");
    progressBar = "-";
    progressShown = true;
}

void RecordingWindows::AdvanceProgress(int dashes) {
    calls.push_back("AdvanceProgress(" + std::to_string(dashes) + ")");
    progressBar += std::string(static_cast<size_t>(std::max(dashes, 0)), '-');
    if (onLoadingNoticeEvents) onLoadingNoticeEvents();
}

void RecordingWindows::HideProgress() {
    calls.push_back("HideProgress");
    progressShown = false;
}

void RecordingWindows::SetBusyCursor(bool busy) {
    calls.push_back(busy ? "SetBusyCursor(true)" : "SetBusyCursor(false)");
}

void RecordingWindows::EndGameToMenu() {
    calls.push_back("EndGameToMenu");
}
void RecordingWindows::SuspendToMenu() {
    calls.push_back("SuspendToMenu");
}
void RecordingWindows::ResumeGameWindow() {
    calls.push_back("ResumeGameWindow");
}

void RecordingWindows::CloseMainWindow() {
    calls.push_back("CloseMainWindow");
    if (onCloseMainWindow) onCloseMainWindow();
}

void RecordingWindows::ProcessEvents() {
    if (onProcessEvents) onProcessEvents();
}

void RecordingWindows::DrawFrame() {
    ++framesDrawn;
    if (onDrawFrame) onDrawFrame();
}

bool RecordingWindows::LoadBackground(game::Form form, const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    calls.push_back("LoadBackground(" + std::to_string(static_cast<int>(form)) + "," + name + ")");
    return failingPictures.count(path) == 0;
}

void RecordingWindows::ShowLoadingNotice() {
    calls.push_back("ShowLoadingNotice");
    progressBar = "-";
    progressShown = true;
    if (onLoadingNoticeEvents) onLoadingNoticeEvents();
}

bool RecordingWindows::LoadSurfaces(std::string* failedPath) {
    calls.push_back("LoadSurfaces");
    if (!surfacesLoad && failedPath) *failedPath = "sc1";
    return surfacesLoad;
}

void RecordingWindows::FreeSurfaces() {
    calls.push_back("FreeSurfaces");
}

void RecordingWindows::ShowMainMenu() {
    calls.push_back("ShowMainMenu");
    progressShown = false;
}

void RecordingWindows::UnloadWindows() {
    calls.push_back("UnloadWindows");
}

}  // namespace testing_support

#include "installer/PageState.h"

#include <sys/statvfs.h>

#include "installer/Folders.h"
#include "installer/MessageTable.h"
#include "installer/Ui.h"

namespace turnpixa::setup {

int scaleX(int x, int dpi) {
    if (dpi <= 96) return x;
    return dpi * (x * 106 / 100) / 96;
}

int scaleY(int y, int dpi) {
    if (dpi <= 96) return y;
    return y * dpi / 96;
}

std::uint64_t freeMegabytes(const std::string& path) {
    std::string p = path.empty() ? "/" : path;
    for (;;) {
        struct statvfs st {};
        if (::statvfs(p.c_str(), &st) == 0)
            return static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize / 1024 / 1024;
        const std::string up = parentOf(p);
        if (up.empty() || up == p) return 0;
        p = up;
    }
}

namespace {

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

std::string fieldFromDestination(const std::string& destination) {
    std::string f = toFileSystemPath(destination);
    while (f.size() > 1 && f.back() == '/') f.pop_back();
    return f;
}

}  // namespace

MainPageState::MainPageState(const InstallState& state, bool hasLicence)
    : projectName_(state.projectName),
      version_(state.programVersion),
      defaultDestination_(state.defaultDestination),
      field_(fieldFromDestination(state.destination)),
      hasLicence_(hasLicence),
      language_(state.language) {
    setLanguage(state.language);
}

void MainPageState::setLanguage(int language) {
    language_ = language >= 0 && language < kLanguageCount ? language : 0;
    texts_ = mainPageTexts(projectName_, language_, hasLicence_);
}

std::string MainPageState::heading() const {
    std::string h = fillIn(message(8, language_), projectName_);
    if (!version_.empty()) h += " " + version_;
    return h;
}

void MainPageState::chooseFolder(const std::string& chosen) {
    std::string folder = chosen;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (folder.empty()) return;
    field_ = changedDestination(folder, defaultDestination_);
}

MainPageState::Forward MainPageState::forward(InstallState& state, std::string& text) {
    // A relative folder would land wherever the installer was started from.
    const std::string f = trimmed(field_);
    if (!acceptDestination(f, language_, text)) return Forward::Stay;
    if (f[0] != '/') {
        text = message(19, language_);
        return Forward::Stay;
    }
    state.destination = toScriptFolder(f);
    state.language = language_;
    state.languageName = languageName(language_);
    return forwardOpensLicence(texts_.forward, language_) ? Forward::OpenLicence : Forward::Install;
}

ProgressPageState::Tick ProgressPageState::tick(InstallState& state) {
    if (finished_) return Tick::Nothing;
    if (state.done) {
        if (state.cancel) return Tick::Cancelled;
        // Later progress (the last action's text) must not hide the end.
        state.takeProgress();
        finished_ = true;
        percent_ = 100;
        status_ = message(13, language_);
        return Tick::Finished;
    }
    const Progress p = state.takeProgress();
    if (!p.changed) return Tick::Nothing;
    status_ = progressStatus(p, percent_);
    return Tick::Updated;
}

std::string ProgressPageState::buttonLabel() const {
    return message(finished_ ? 5 : 1, language_);
}

std::string ProgressPageState::cancelQuestion() const {
    return message(17, language_);
}

std::string ProgressPageState::caption() const {
    return message(2, language_);
}

bool finishPageNeeded(const InstallState& state) {
    return !state.optionalShortcuts.empty() || !state.optionalPrograms.empty() ||
           state.restartNeeded;
}

FinishList::FinishList(const InstallState& state, int language) {
    for (std::size_t i = 0; i < state.optionalShortcuts.size(); ++i)
        items_.push_back({FinishItem::Kind::Shortcut, i, message(24, language),
                          state.optionalShortcuts[i].caption});
    for (std::size_t i = 0; i < state.optionalPrograms.size(); ++i)
        items_.push_back({FinishItem::Kind::Program, i, message(25, language),
                          state.optionalPrograms[i].caption});
    if (state.restartNeeded)
        items_.push_back(
            {FinishItem::Kind::Restart, 0, message(26, language), message(27, language)});
}

void FinishList::select(int row) {
    if (row >= 0 && row < static_cast<int>(items_.size())) selected_ = row;
}

void FinishList::moveSelection(int delta) {
    select(selected_ + delta);
}

void FinishList::toggleSelected() {
    if (selected_ < static_cast<int>(items_.size()))
        items_[static_cast<std::size_t>(selected_)].checked ^= true;
}

bool FinishList::releaseAt(int row, int x) {
    if (row < 0 || row >= static_cast<int>(items_.size()) || x < 6 || x > 18) return false;
    items_[static_cast<std::size_t>(row)].checked ^= true;
    return true;
}

std::vector<OptionalShortcut> FinishList::shortcuts(const InstallState& state) const {
    std::vector<OptionalShortcut> out;
    for (const auto& item : items_)
        if (item.checked && item.kind == FinishItem::Kind::Shortcut &&
            item.index < state.optionalShortcuts.size())
            out.push_back(state.optionalShortcuts[item.index]);
    return out;
}

std::vector<OptionalProgram> FinishList::programs(const InstallState& state) const {
    std::vector<OptionalProgram> out;
    for (const auto& item : items_)
        if (item.checked && item.kind == FinishItem::Kind::Program &&
            item.index < state.optionalPrograms.size())
            out.push_back(state.optionalPrograms[item.index]);
    return out;
}

bool FinishList::restart() const {
    for (const auto& item : items_)
        if (item.checked && item.kind == FinishItem::Kind::Restart) return true;
    return false;
}

void uninstallProgress(const Progress& p, int& percent) {
    if (p.changed && p.total > 0)
        percent = static_cast<int>(static_cast<long long>(p.fileNumber) * 100 / p.total);
}

}  // namespace turnpixa::setup

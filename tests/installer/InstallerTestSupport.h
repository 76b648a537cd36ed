#pragma once
// Helpers of the installer tests: temporary folders, packages built in
// memory, a Ui that answers as told, and running programs as a user would.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "installer/Folders.h"
#include "installer/Ui.h"

namespace turnpixa::setup::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// The installer's folders, all under t/home.
Folders foldersIn(const TempFolder& t);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

// A stub followed by entries, written by the Package class itself.
std::string buildPackage(const std::string& stub,
                         const std::vector<std::pair<std::string, std::string>>& entries);
// Recomputes the trailer sum and the package checksum of a package image,
// so that a crafted directory gets past them.
void reseal(std::string& package);

// Records what was shown and answers questions from a list (then with the
// default).
class ScriptedUi : public Ui {
public:
    std::vector<Answer> answers;
    std::vector<std::string> shown, captions;
    void message(const std::string& text, const std::string& caption, Icon) override {
        shown.push_back(text);
        captions.push_back(caption);
    }
    Answer ask(const std::string& text, const std::string& caption, Icon, Buttons,
               Answer defaultAnswer) override {
        shown.push_back(text);
        captions.push_back(caption);
        if (answers.empty()) return defaultAnswer;
        const Answer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
};

struct RunResult {
    int status = -1;
    std::string errors;
};
// Runs a program with exactly the given environment; as root it runs as the
// unprivileged user 65534, as an installer's user would be.
RunResult runAsUser(const std::vector<std::string>& argv,
                    const std::map<std::string, std::string>& env);
// Makes a folder belong to the user runAsUser runs as.
void giveToUser(const std::string& path);
// Writes the package to t/home/setup and runs it with --silent as that user,
// HOME t/home and TMPDIR t/tmp.
RunResult installAsUser(const TempFolder& t, const std::string& pkg);
// The installer's temporary files and folders that user owns right inside
// the shared temporary folders, where an installer ignoring TMPDIR would
// write.
std::set<std::string> userEntriesInSharedFolders();

}  // namespace turnpixa::setup::test

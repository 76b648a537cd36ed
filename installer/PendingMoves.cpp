#include "installer/PendingMoves.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "installer/Folders.h"

namespace turnpixa::setup {

namespace {

// Records are "from\0to\0", so any path fits.
std::string fileOf(const std::string& dataFolder) {
    return dataFolder + "/PendingMoves";
}

std::vector<std::string> readFields(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\0', start)) != std::string::npos; start = end + 1)
        fields.push_back(text.substr(start, end - start));
    return fields;
}

bool writeFields(const std::string& file, const std::vector<std::string>& fields) {
    if (fields.empty()) {
        std::remove(file.c_str());
        return true;
    }
    const std::string temp = file + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        for (const auto& f : fields)
            out.write(f.c_str(), static_cast<std::streamsize>(f.size() + 1));
        if (!out.flush()) return false;
    }
    return std::rename(temp.c_str(), file.c_str()) == 0;
}

}  // namespace

bool recordPendingMove(const std::string& dataFolder, const std::string& from,
                       const std::string& to) {
    if (!makeFolders(dataFolder)) return false;
    auto fields = readFields(fileOf(dataFolder));
    if (fields.size() % 2) fields.pop_back();
    fields.push_back(from);
    fields.push_back(to);
    return writeFields(fileOf(dataFolder), fields);
}

int runPendingMoves(const std::string& dataFolder) {
    const auto fields = readFields(fileOf(dataFolder));
    if (fields.empty()) return 0;
    std::vector<std::string> left;
    int done = 0;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        if (!fields[i].empty() && !fields[i + 1].empty() &&
            std::rename(fields[i].c_str(), fields[i + 1].c_str()) == 0) {
            ++done;
        } else if (errno != ENOENT) {  // a source that is gone has nothing left to move
            left.push_back(fields[i]);
            left.push_back(fields[i + 1]);
        }
    }
    writeFields(fileOf(dataFolder), left);
    return done;
}

}  // namespace turnpixa::setup

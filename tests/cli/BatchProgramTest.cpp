// turnpixa-cli --batch as a shell user and the schedulers run it: the sets
// against single runs, the manifest's skips, bad rows, a killed run, the
// shards from Slurm's and Kubernetes' variables and under GNU parallel,
// locally and over ssh.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/RunCommand.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace turnpixa {
namespace {

namespace fs = std::filesystem;

const std::string kProgram = TURNPIXA_CLI_PROGRAM;

std::string samplePhoto(int n) {
    char name[64];
    std::snprintf(name, sizeof name, "/resources/sample-photos/turntable-%02d.jpg", n);
    return std::string(TURNPIXA_SOURCE_DIR) + name;
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// Standard output and error together.
test::CommandRun shell(const std::string& command) {
    return test::runCommand(command + " 2>&1");
}

// A shop folder: products of a few sample photos each and a catalogue.
struct Shop {
    test::TempDir dir;
    std::string catalogue = dir.file("catalogue.csv");

    // name: a folder of count photos from the sample photo first on.
    void product(const std::string& name, int first, int count) {
        fs::create_directories(dir.file(name));
        for (int i = 0; i < count; ++i)
            fs::copy_file(samplePhoto(first + i),
                          dir.file(name + "/" + std::to_string(10 + i) + ".jpg"),
                          fs::copy_options::overwrite_existing);
    }
    void write(const std::string& text) const { test::writeWholeFile(catalogue, text); }
    std::string batch(const std::string& options = "") const {
        return kProgram + " --batch=" + quoted(catalogue) + " " + options;
    }
};

// Every file of a set: the page and the frame folder's files, by name.
std::map<std::string, std::string> setFiles(const std::string& folder, const std::string& stem) {
    std::map<std::string, std::string> files;
    files[stem + ".htm"] = test::readWholeFile(folder + "/" + stem + ".htm");
    for (const auto& e : fs::directory_iterator(folder + "/" + stem + "-turnpixa"))
        files[e.path().filename().string()] = test::readWholeFile(e.path().string());
    return files;
}

// The set made by one plain run of the program with these options.
std::map<std::string, std::string> singleRun(const std::string& stem, const std::string& options,
                                             const std::string& photos) {
    test::TempDir ref;
    const auto run =
        shell(kProgram + " -q " + options + " -o " + quoted(ref.file(stem)) + " " + photos);
    EXPECT_EQ(run.status, 0) << run.output;
    return setFiles(ref.path().string(), stem);
}

// The report's lines as JSON reads them: "line status photos output reason".
std::vector<std::string> reportRows(const std::string& path) {
    const auto run = shell(
        "/usr/bin/python3 -c 'import json, sys\n"
        "for text in open(sys.argv[1], encoding=\"utf-8\"):\n"
        "    r = json.loads(text)\n"
        "    assert r[\"seconds\"] >= 0 and (r[\"bytes\"] > 0) == (r[\"status\"] != \"failed\")\n"
        "    print(r[\"line\"], r[\"status\"], r[\"photos\"], r[\"output\"].rsplit(\"/\", 1)[-1],"
        " r[\"reason\"])' " +
        quoted(path));
    EXPECT_EQ(run.status, 0) << run.output;
    std::vector<std::string> rows;
    std::istringstream in(run.output);
    for (std::string line; std::getline(in, line);) rows.push_back(line);
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<std::string> strings(std::initializer_list<const char*> list) {
    return std::vector<std::string>(list.begin(), list.end());
}

TEST(BatchProgram, MakesRowsAsSingleRunsDoThenRemakesOnlyWhatChanged) {
    Shop shop;
    shop.product("shoe", 1, 3);
    shop.product("vase", 5, 2);
    shop.product("bowl", 9, 2);
    shop.write(
        "output,photos,reverse,quality,size\r\n"
        "spins/shoe,shoe/*.jpg,yes,,\r\n"
        "\"spins/vase, blue\",vase/11.jpg;vase/10.jpg,,50,\r\n"
        "spins/bowl.htm,bowl/*.jpg,,,40x24\r\n");
    const std::string report = shop.dir.file("report.jsonl");
    auto run = shell(shop.batch("--wid=48 --lightness 1.2 --report=" + quoted(report)));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("catalogue.csv: 3 rows: 3 made, 0 unchanged, 0 failed in "),
              std::string::npos)
        << run.output;
    EXPECT_EQ(reportRows(report),
              strings({"2 made 3 shoe.htm ", "3 made 2 vase, blue.htm ", "4 made 2 bowl.htm "}));

    const std::string spins = shop.dir.file("spins");
    const std::string shoePhotos = shop.dir.file("shoe/*.jpg");
    EXPECT_EQ(setFiles(spins, "shoe"),
              singleRun("shoe", "--width 48 --lightness 1.2 --reverse", shoePhotos));
    EXPECT_EQ(setFiles(spins, "vase, blue"),
              singleRun("vase, blue", "--width 48 --lightness 1.2 --quality 50",
                        shop.dir.file("vase/11.jpg") + " " + shop.dir.file("vase/10.jpg")));
    EXPECT_EQ(setFiles(spins, "bowl"),
              singleRun("bowl", "--size 40x24 --lightness 1.2", shop.dir.file("bowl/*.jpg")));

    // Nothing changed: nothing is written.
    struct stat before {};
    ASSERT_EQ(::stat((spins + "/vase, blue-turnpixa/image_000.jpg").c_str(), &before), 0);
    run = shell(shop.batch("--width=48 --lightness=1.2 --report=" + quoted(report)));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(reportRows(report), strings({"2 skipped 3 shoe.htm ", "3 skipped 2 vase, blue.htm ",
                                           "4 skipped 2 bowl.htm "}));
    // From the shop's own folder the paths are others, the sets the same.
    run = shell("cd " + quoted(shop.dir.path().string()) + " && " + kProgram +
                " --batch=catalogue.csv --width=48 --lightness=1.2");
    EXPECT_NE(run.output.find("3 rows: 0 made, 3 unchanged"), std::string::npos) << run.output;
    // A photo touched but not changed is looked at, not made again.
    ASSERT_EQ(::utime(shop.dir.file("vase/10.jpg").c_str(), nullptr), 0);
    // One photo changed, one option changed: those rows only.
    fs::copy_file(samplePhoto(20), shop.dir.file("shoe/11.jpg"),
                  fs::copy_options::overwrite_existing);
    shop.write(
        "output,photos,reverse,quality,size\n"
        "spins/shoe,shoe/*.jpg,yes,,\n"
        "\"spins/vase, blue\",vase/11.jpg;vase/10.jpg,,50,\n"
        "spins/bowl.htm,bowl/*.jpg,,60,40x24\n");
    run = shell(shop.batch("--width=48 --lightness=1.2 --report=" + quoted(report)));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(reportRows(report),
              strings({"2 made 3 shoe.htm ", "3 skipped 2 vase, blue.htm ", "4 made 2 bowl.htm "}));
    struct stat after {};
    ASSERT_EQ(::stat((spins + "/vase, blue-turnpixa/image_000.jpg").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the unchanged set was not written again";
    EXPECT_EQ(setFiles(spins, "shoe"),
              singleRun("shoe", "--width 48 --lightness 1.2 --reverse", shoePhotos));
    EXPECT_EQ(setFiles(spins, "bowl"),
              singleRun("bowl", "--size 40x24 --lightness 1.2 --quality 60",
                        shop.dir.file("bowl/*.jpg")));
    // Other defaults on the command line make every set again.
    run = shell(shop.batch("-q --width=50"));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("3 made, 0 unchanged"), std::string::npos) << run.output;
}

TEST(BatchProgram, BadRowsAreNamedAndSkippedWhileTheOthersAreMade) {
    Shop shop;
    shop.product("shoe", 1, 2);
    test::writeWholeFile(shop.dir.file("notes.txt"), "not a photo");
    shop.write(
        "output,photos,width,crop,strict\n"
        "good,shoe/*.jpg,40,,\n"
        "wide,shoe/*.jpg,huge,,\n"
        "none,boots/*.jpg,40,,\n"
        "outside,shoe/*.jpg,40,\"0,0,5000,10\",\n"
        "\"broken,shoe/*.jpg\n"
        "also-good,shoe/10.jpg,,,\n"
        "picky,shoe/10.jpg;notes.txt,,,yes\n");
    const std::string report = shop.dir.file("report.jsonl");
    const auto run = shell(shop.batch("--report=" + quoted(report)));
    EXPECT_EQ(run.status, 1) << run.output;
    const std::string where = shop.catalogue + " line ";
    EXPECT_NE(run.output.find(where + "3, column width: --width needs a width from 1 to 10000, "
                                      "not \"huge\"; row skipped"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find(where + "4, column photos: \"" + shop.dir.file("boots/*.jpg") +
                              "\" matches no file; row skipped"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find(where + "6, column 1: the quoted field is never closed; row skipped"),
              std::string::npos)
        << run.output;
    // A row the program refuses: the photo's warning, then the reason.
    const std::string skipping = "turnpixa-cli: skipping " + shop.dir.file("notes.txt") + ": ";
    const std::string refused = where + "8: " + shop.dir.file("picky.htm") +
                                " was not made: --strict: 1 of the 2 photos were skipped or "
                                "damaged; nothing was written\n";
    ASSERT_NE(run.output.find(skipping), std::string::npos) << run.output;
    EXPECT_LT(run.output.find(skipping), run.output.find(refused)) << run.output;
    EXPECT_NE(run.output.find("2 made, 0 unchanged, 5 failed"), std::string::npos) << run.output;
    const auto rows = reportRows(report);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], "2 made 2 good.htm ");
    EXPECT_EQ(rows[3].substr(0, 31), "5 failed 0 outside.htm --crop 0") << rows[3];
    EXPECT_EQ(rows[5], "7 made 1 also-good.htm ") << "the line after the broken one is a row";
    EXPECT_TRUE(fs::exists(shop.dir.file("good.htm")));
    EXPECT_FALSE(fs::exists(shop.dir.file("wide.htm")));
    EXPECT_FALSE(fs::exists(shop.dir.file("outside.htm")));

    // A wrong header or command line makes nothing at all.
    shop.write("output,photos,colour\nx,shoe/*.jpg,red\n");
    auto bad = shell(shop.batch());
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.output, "turnpixa-cli: " + shop.catalogue +
                              " line 1, column 3 \"colour\" is neither \"photos\" nor an option "
                              "of turnpixa-cli\nTry 'turnpixa-cli --help'.\n");
    bad = shell(shop.batch("-o x.htm"));
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.output.find("--output names one page"), std::string::npos) << bad.output;
    bad = shell(shop.batch(quoted(shop.dir.file("shoe/10.jpg"))));
    EXPECT_EQ(bad.status, 2);
    bad = shell(kProgram + " --report=r.jsonl -o x " + samplePhoto(1));
    EXPECT_EQ(bad.output, "turnpixa-cli: --report goes with --batch\nTry 'turnpixa-cli --help'.\n");
    EXPECT_FALSE(fs::exists(shop.dir.file("x.htm")));
}

// The set of the page is whole: every frame the page names is there.
void expectWholeSet(const std::string& folder, const std::string& stem) {
    const std::string page = test::readWholeFile(folder + "/" + stem + ".htm");
    const std::size_t at = page.find("image_',");
    ASSERT_NE(at, std::string::npos) << page;
    const int frames = std::stoi(page.substr(at + 8));
    ASSERT_GT(frames, 0);
    for (int i = 0; i < frames; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/image_%03d.jpg", i);
        EXPECT_TRUE(fs::exists(folder + "/" + stem + "-turnpixa" + name)) << stem << name;
    }
    EXPECT_TRUE(fs::exists(folder + "/" + stem + "-turnpixa/image.jpg"));
}

TEST(BatchProgram, AKilledRunLeavesWholeSetsAndTheNextRunFinishesTheRest) {
    Shop shop;
    std::string rows = "output,photos\n";
    const std::vector<std::string> products = {"p1", "p2", "p3", "p4"};
    for (std::size_t i = 0; i < products.size(); ++i) {
        shop.product(products[i], 1 + static_cast<int>(i) * 8, 8);
        rows += "out/" + products[i] + "," + products[i] + "/*.jpg\n";
    }
    shop.write(rows);

    std::vector<std::string> argv = {kProgram, "--batch=" + shop.catalogue, "-q", "--width=400"};
    std::vector<char*> args;
    for (std::string& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    pid_t pid = -1;
    ASSERT_EQ(::posix_spawn(&pid, kProgram.c_str(), nullptr, nullptr, args.data(), environ), 0);
    // Killed while the second set is being made.
    const std::string firstDone = shop.dir.file("out/p1-turnpixa.manifest");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!fs::exists(firstDone) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    ASSERT_EQ(::kill(pid, SIGKILL), 0);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the batch ended before it was killed";

    int setsThere = 0;
    for (const std::string& p : products)
        if (fs::exists(shop.dir.file("out/" + p + ".htm"))) {
            ++setsThere;
            expectWholeSet(shop.dir.file("out"), p);
        }
    EXPECT_GE(setsThere, 1);
    EXPECT_LT(setsThere, 4);
    // What killed saves staged is cleared away once it has been quiet for a
    // while and its process is gone; the last set is not there yet.
    auto age = [](const std::string& path) {
        ASSERT_EQ(shell("touch -h -d '11 minutes ago' " + quoted(path)).status, 0);
    };
    for (const auto& e : fs::directory_iterator(shop.dir.file("out")))
        if (e.path().filename().string().front() == '.') age(e.path().string());
    const std::string dead = std::to_string(pid), live = std::to_string(::getpid());
    const std::string staged = shop.dir.file("out/.p4-turnpixa." + dead + "-9-0badf00d");
    const std::string fresh = shop.dir.file("out/.p4.htm." + dead + "-8-00000001");
    const std::string running = shop.dir.file("out/.p4-turnpixa.old-" + live + "-7-00000002");
    fs::create_directories(staged);
    test::writeWholeFile(staged + "/image_000.jpg", "part");
    fs::create_directories(running);
    test::writeWholeFile(fresh, "page");
    age(staged);
    age(running);

    const std::string report = shop.dir.file("report.jsonl");
    const auto run = shell(shop.batch("-q --width=400 --report=" + quoted(report)));
    ASSERT_EQ(run.status, 0) << run.output;
    const auto lines = reportRows(report);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "2 skipped 8 p1.htm ");
    int made = 0;
    for (const std::string& line : lines) made += line.find(" made ") != std::string::npos;
    EXPECT_EQ(made, 4 - setsThere) << "the sets that were whole are kept";
    for (const auto& e : fs::directory_iterator(shop.dir.file("out")))
        if (e.path() != fresh && e.path() != running) {
            EXPECT_NE(e.path().filename().string().front(), '.') << e.path();
        }
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(running));
    for (const std::string& p : products) {
        expectWholeSet(shop.dir.file("out"), p);
        EXPECT_EQ(setFiles(shop.dir.file("out"), p),
                  singleRun(p, "--width 400", shop.dir.file(p + "/*.jpg")));
    }
}

// Four products of one photo each, for the shards.
void fourProducts(Shop& shop) {
    std::string rows = "output,photos\n";
    for (int i = 1; i <= 4; ++i) {
        shop.product("p" + std::to_string(i), i, 1);
        rows += "out/p" + std::to_string(i) + ",p" + std::to_string(i) + "/*.jpg\n";
    }
    shop.write(rows);
}

std::string madePages(const Shop& shop) {
    std::string made;
    for (int i = 1; i <= 4; ++i)
        if (fs::exists(shop.dir.file("out/p" + std::to_string(i) + ".htm")))
            made += std::to_string(i);
    return made;
}

TEST(BatchProgram, AutoShardsTakeSlurmsAndKubernetesIndexes) {
    Shop shop;
    fourProducts(shop);
    auto run = shell("SLURM_ARRAY_TASK_ID=3 SLURM_ARRAY_TASK_MIN=2 SLURM_ARRAY_TASK_COUNT=2 " +
                     shop.batch("-q --width=32 --shard=auto"));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(madePages(shop), "24") << "the second task takes rows 1 and 3 (from 0)";
    EXPECT_NE(run.output.find("2 rows (shard 2/2 of 4): 2 made"), std::string::npos) << run.output;
    run = shell("JOB_COMPLETION_INDEX=0 " + shop.batch("-q --width=32 --shard=auto/2"));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(madePages(shop), "1234");
    run = shell(shop.batch("-q --width=32"));
    EXPECT_NE(run.output.find("4 rows: 0 made, 4 unchanged"), std::string::npos) << run.output;
    run = shell("JOB_COMPLETION_INDEX=0 " + shop.batch("--shard=auto"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find("needs the number of shards"), std::string::npos) << run.output;
}

// Both shards' reports hold every row exactly once, and each set is the
// one a single run makes.
void expectShardedRun(const Shop& shop) {
    std::vector<std::string> lines;
    for (const char* k : {"1", "2"}) {
        const auto part = reportRows(shop.dir.file(std::string("report-") + k + ".jsonl"));
        EXPECT_EQ(part.size(), 2u);
        lines.insert(lines.end(), part.begin(), part.end());
    }
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, strings({"2 made 1 p1.htm ", "3 made 1 p2.htm ", "4 made 1 p3.htm ",
                              "5 made 1 p4.htm "}));
    for (int i = 1; i <= 4; ++i) {
        const std::string p = "p" + std::to_string(i);
        EXPECT_EQ(setFiles(shop.dir.file("out"), p),
                  singleRun(p, "--width 32", shop.dir.file(p + "/*.jpg")));
    }
}

TEST(BatchProgram, GnuParallelRunsTwoShards) {
    Shop shop;
    fourProducts(shop);
    const auto run =
        shell("/usr/bin/parallel --will-cite " + shop.batch() +
              " -q --width=32 --shard=auto/2 --report=" + quoted(shop.dir.file("report-{}.jsonl")) +
              " ::: 1 2");
    ASSERT_EQ(run.status, 0) << run.output;
    expectShardedRun(shop);
}

// An sshd of the test's own on a free loopback port, with a key for this
// user, and an ssh configuration that names it as two machines.
class LoopbackSsh {
public:
    bool start() {
        const std::string d = dir_.path().string();
        if (shell("ssh-keygen -q -t ed25519 -N '' -f " + d +
                  "/host_key && ssh-keygen -q -t "
                  "ed25519 -N '' -f " +
                  d + "/user_key && cp " + d + "/user_key.pub " + d + "/authorized_keys")
                .status != 0)
            return false;
        // sshd run by root keeps its privilege separation there.
        if (::getuid() == 0) fs::create_directories("/run/sshd");
        for (int attempt = 0; attempt < 3; ++attempt) {
            const int port = freePort();
            test::writeWholeFile(
                d + "/sshd_config",
                "Port " + std::to_string(port) + "\nListenAddress 127.0.0.1\nHostKey " + d +
                    "/host_key\nAuthorizedKeysFile " + d + "/authorized_keys\nPidFile " + d +
                    "/sshd.pid\nUsePAM no\nStrictModes no\n"
                    "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                    "PermitRootLogin prohibit-password\n");
            std::string hosts;
            for (const char* host : {"machine-a", "machine-b"})
                hosts += std::string("Host ") + host + "\n  HostName 127.0.0.1\n  Port " +
                         std::to_string(port) + "\n  IdentityFile " + d +
                         "/user_key\n  IdentitiesOnly yes\n  StrictHostKeyChecking no\n"
                         "  UserKnownHostsFile /dev/null\n  BatchMode yes\n  LogLevel ERROR\n"
                         "  ConnectTimeout 10\n";
            test::writeWholeFile(d + "/ssh_config", hosts);
            if (server_.start(
                    {"/bin/sh", "-c", "exec /usr/sbin/sshd -D -e -f " + d + "/sshd_config 2>&1"}) &&
                server_.firstLine().find("Server listening") != std::string::npos)
                return true;
            server_.stop();
        }
        return false;
    }
    std::string sshCommand() const { return "ssh -F " + dir_.file("ssh_config"); }
    const std::string& said() const { return server_.firstLine(); }

private:
    static int freePort() {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        ::close(fd);
        return ntohs(address.sin_port);
    }

    test::TempDir dir_;
    test::ServerProcess server_;
};

TEST(BatchProgram, GnuParallelRunsTwoShardsOnTwoMachinesOverSsh) {
    LoopbackSsh ssh;
    ASSERT_TRUE(ssh.start()) << ssh.said();
    Shop shop;
    fourProducts(shop);
    // The machines share the shop's folder, as a network file system does.
    const auto run =
        shell("/usr/bin/parallel --will-cite --ssh " + quoted(ssh.sshCommand()) +
              " -S machine-a,machine-b -j1 " + shop.batch() + " -q --width=32 --shard={}/2 " +
              "--report=" + quoted(shop.dir.file("report-{}.jsonl")) + " ::: 1 2");
    ASSERT_EQ(run.status, 0) << run.output;
    expectShardedRun(shop);
}

}  // namespace
}  // namespace turnpixa

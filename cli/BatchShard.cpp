#include "BatchShard.h"

#include <charconv>

namespace turnpixa {

namespace {

constexpr long kMaxShards = 1'000'000;

bool parseCount(std::string_view text, long low, long& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= kMaxShards;
}

// A variable that must hold a whole number of at least low.
bool readVariable(const EnvironmentLookup& environment, const char* name, long low, long& value,
                  std::string& error) {
    const char* text = environment(name);
    if (!text) {
        error = std::string("--shard=auto: ") + name + " is not set";
        return false;
    }
    if (!parseCount(text, low, value)) {
        error = std::string("--shard=auto: ") + name + " is \"" + text +
                "\", not a whole number from " + std::to_string(low);
        return false;
    }
    return true;
}

bool fromEnvironment(const EnvironmentLookup& environment, long given, BatchShard& shard,
                     std::string& error) {
    long index = 0;
    long count = given;
    const char* needsCount = nullptr;
    // The innermost engine first: GNU parallel may run inside a Slurm job.
    if (environment("PARALLEL_SEQ")) {
        if (!readVariable(environment, "PARALLEL_SEQ", 1, index, error)) return false;
        --index;
        needsCount = "PARALLEL_SEQ";
    } else if (environment("JOB_COMPLETION_INDEX")) {
        if (!readVariable(environment, "JOB_COMPLETION_INDEX", 0, index, error)) return false;
        needsCount = "JOB_COMPLETION_INDEX";
    } else if (environment("SLURM_ARRAY_TASK_ID")) {
        long id = 0, first = 0, step = 1, tasks = 0;
        if (!readVariable(environment, "SLURM_ARRAY_TASK_ID", 0, id, error) ||
            !readVariable(environment, "SLURM_ARRAY_TASK_COUNT", 1, tasks, error) ||
            (environment("SLURM_ARRAY_TASK_MIN") &&
             !readVariable(environment, "SLURM_ARRAY_TASK_MIN", 0, first, error)) ||
            (environment("SLURM_ARRAY_TASK_STEP") &&
             !readVariable(environment, "SLURM_ARRAY_TASK_STEP", 1, step, error)))
            return false;
        if (id < first || (id - first) % step != 0) {
            error = "--shard=auto: SLURM_ARRAY_TASK_ID " + std::to_string(id) +
                    " is not a task of the array";
            return false;
        }
        index = (id - first) / step;
        if (given && given != tasks) {
            error = "--shard=auto/" + std::to_string(given) + " but SLURM_ARRAY_TASK_COUNT is " +
                    std::to_string(tasks);
            return false;
        }
        count = tasks;
    } else {
        error =
            "--shard=auto found none of PARALLEL_SEQ, JOB_COMPLETION_INDEX and "
            "SLURM_ARRAY_TASK_ID";
        return false;
    }
    if (count == 0) {
        error = std::string("--shard=auto with ") + needsCount +
                " needs the number of shards: --shard=auto/N";
        return false;
    }
    if (index >= count) {
        error = "--shard=auto: job " + std::to_string(index + 1) + " is beyond the " +
                std::to_string(count) + " shards";
        return false;
    }
    shard.index = static_cast<int>(index);
    shard.count = static_cast<int>(count);
    return true;
}

}  // namespace

bool parseShard(const std::string& text, const EnvironmentLookup& environment, BatchShard& shard,
                std::string& error) {
    const std::size_t slash = text.find('/');
    const std::string_view first = std::string_view(text).substr(0, slash);
    long count = 0;
    if (slash != std::string::npos &&
        !parseCount(std::string_view(text).substr(slash + 1), 1, count)) {
        error =
            "--shard needs K/N, auto or auto/N with N a whole number from 1, not \"" + text + "\"";
        return false;
    }
    if (first == "auto") return fromEnvironment(environment, count, shard, error);
    long index = 0;
    if (slash == std::string::npos || !parseCount(first, 1, index) || index > count) {
        error = "--shard needs K/N with K from 1 to N, auto or auto/N, not \"" + text + "\"";
        return false;
    }
    shard.index = static_cast<int>(index - 1);
    shard.count = static_cast<int>(count);
    return true;
}

}  // namespace turnpixa

#pragma once
#include <functional>
#include <string>

namespace turnpixa {

// The part of a catalogue one process makes: the rows whose index (from 0)
// modulo count is index.
struct BatchShard {
    int index = 0;  // 0-based
    int count = 1;
    bool takes(int row) const { return row % count == index; }
};

using EnvironmentLookup = std::function<const char*(const char* name)>;

// "K/N" (K from 1), or "auto" / "auto/N", which read the job's index from
// GNU parallel (PARALLEL_SEQ, with N), a Kubernetes Indexed Job
// (JOB_COMPLETION_INDEX, with N) or a Slurm job array
// (SLURM_ARRAY_TASK_ID and SLURM_ARRAY_TASK_COUNT). False with the reason
// when the text or the environment does not give one shard.
bool parseShard(const std::string& text, const EnvironmentLookup& environment, BatchShard& shard,
                std::string& error);

}  // namespace turnpixa

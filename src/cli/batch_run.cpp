#include "cli/batch_run.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include "cli/batch_summary.h"
#include "cli/results_json.h"

namespace fljudge {
namespace {

std::string WithoutText(std::string text, const std::string& shared) {
    if (shared.empty()) {
        return text;
    }
    for (auto at = text.find(shared); at != std::string::npos; at = text.find(shared, at)) {
        text.erase(at, shared.size());
    }
    return text;
}

// The reason without the "PATH: " the loader puts before it: the summary
// names the file in a column of its own.
std::string WithoutPathPrefix(std::string text, const std::filesystem::path& file) {
    const std::string prefix = file.string() + ": ";
    if (text.compare(0, prefix.size(), prefix) == 0) {
        text.erase(0, prefix.size());
    }
    return text;
}

std::string WriteJson(const std::filesystem::path& path, const CalcResults& results) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) {
        WriteResultsJson(results, out);
        out.close();
    }
    return out ? std::string() : path.string() + ": JSONファイルを書き込めません";
}

BatchOutcome RunOne(const BatchInput& input, const BatchSettings& settings) {
    BatchOutcome outcome;
    if (!input.ListingError.empty()) {
        outcome.Summary =
            FailedBoring(input.File, input.File.filename().string(), input.ListingError);
        return outcome;
    }
    auto calculated = std::make_unique<CalculatedProject>();
    std::ostringstream messages;
    const int code = LoadAndCalculate(input.File, settings.Input, messages, *calculated);
    const std::string told = WithoutText(messages.str(), settings.SharedMessage);
    if (code != kExitOk) {
        outcome.Summary = FailedBoring(input.File, BoringName(input.File, *calculated),
                                       WithoutPathPrefix(told, input.File));
        return outcome;
    }
    outcome.Summary = SummarizeBoring(input.File, *calculated);
    outcome.Notices = told;
    outcome.WriteError =
        WriteJson(settings.OutputFolder / (input.OutputName + ".json"), *calculated->results);
    outcome.Calculated = std::move(calculated);
    return outcome;
}

// Finished inputs on their way to the calling thread. Workers wait while it
// is full, so that results kept for the PDF files do not pile up.
class OutcomeQueue {
  public:
    explicit OutcomeQueue(std::size_t capacity) : capacity_(capacity) {}

    void Push(std::size_t index, BatchOutcome outcome) {
        std::unique_lock lock(mutex_);
        notFull_.wait(lock, [this] { return items_.size() < capacity_; });
        items_.emplace_back(index, std::move(outcome));
        notEmpty_.notify_one();
    }

    std::pair<std::size_t, BatchOutcome> Pop() {
        std::unique_lock lock(mutex_);
        notEmpty_.wait(lock, [this] { return !items_.empty(); });
        auto item = std::move(items_.front());
        items_.pop_front();
        notFull_.notify_one();
        return item;
    }

  private:
    std::size_t capacity_;
    std::mutex mutex_;
    std::condition_variable notFull_;
    std::condition_variable notEmpty_;
    std::deque<std::pair<std::size_t, BatchOutcome>> items_;
};

}  // namespace

void RunBatch(std::span<const BatchInput> inputs, const BatchSettings& settings,
              const std::function<void(std::size_t index, BatchOutcome& outcome)>& finished) {
    const std::size_t jobs =
        std::clamp<std::size_t>(static_cast<std::size_t>(std::max(settings.Jobs, 1)), 1,
                                std::max<std::size_t>(inputs.size(), 1));
    OutcomeQueue queue(4 * jobs);
    std::mutex nextMutex;
    std::size_t next = 0;
    const auto work = [&] {
        for (;;) {
            std::size_t index = 0;
            {
                const std::lock_guard lock(nextMutex);
                if (next == inputs.size()) {
                    return;
                }
                index = next++;
            }
            queue.Push(index, RunOne(inputs[index], settings));
        }
    };
    std::vector<std::jthread> workers;
    for (std::size_t k = 0; k < jobs; ++k) {
        workers.emplace_back(work);
    }
    for (std::size_t done = 0; done < inputs.size(); ++done) {
        auto [index, outcome] = queue.Pop();
        finished(index, outcome);
    }
}

}  // namespace fljudge

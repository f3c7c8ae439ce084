#pragma once
// Asking the system something that may wait on a network (a drive's label, whether a drive
// answers) without freezing the window: the question runs on a thread of its own, and the
// window waits for its answer only so long. A question left unanswered finishes later by
// itself and its answer is dropped.

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace workbench::win {

template <class Question>
auto answer_within(std::chrono::milliseconds limit, Question question)
    -> std::optional<decltype(question())> {
    using Answer = decltype(question());
    struct Shared {
        std::mutex mutex;
        std::condition_variable answered;
        std::optional<Answer> answer;
    };
    const auto shared = std::make_shared<Shared>();
    std::thread([shared, question = std::move(question)]() mutable {
        Answer answer = question();
        std::lock_guard lock(shared->mutex);
        shared->answer = std::move(answer);
        shared->answered.notify_one();
    }).detach();
    std::unique_lock lock(shared->mutex);
    shared->answered.wait_for(lock, limit, [&] { return shared->answer.has_value(); });
    return shared->answer;
}

} // namespace workbench::win

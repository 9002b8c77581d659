#pragma once
#include <coroutine>
#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

// A lazily started coroutine returning T (or nothing). Awaiting it runs it;
// when it finishes it hands the thread straight back to the coroutine that
// awaited it, so a chain of awaits suspends and resumes as one. An exception
// leaving the coroutine is rethrown to the awaiter. The Task owns its frame:
// destroying it destroys the frame, and with it the Task the frame awaits,
// so destroying the root of a suspended chain unwinds the whole chain.
template <typename T = void>
class [[nodiscard]] Task;

namespace task_detail {

template <typename Promise>
struct FinalAwaiter {
    bool await_ready() noexcept { return false; }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> done) noexcept {
        const std::coroutine_handle<> awaiting = done.promise().awaiting;
        return awaiting ? awaiting : std::noop_coroutine();
    }
    void await_resume() noexcept {}
};

struct PromiseBase {
    std::coroutine_handle<> awaiting;
    std::exception_ptr failure;
    std::suspend_always initial_suspend() noexcept { return {}; }
    void unhandled_exception() noexcept { failure = std::current_exception(); }
    void RethrowFailure() const {
        if (failure) std::rethrow_exception(failure);
    }
};

template <typename T>
struct Promise : PromiseBase {
    std::optional<T> value;
    Task<T> get_return_object() noexcept;
    FinalAwaiter<Promise> final_suspend() noexcept { return {}; }
    void return_value(T result) { value = std::move(result); }
    T Take() {
        RethrowFailure();
        return std::move(*value);
    }
};

template <>
struct Promise<void> : PromiseBase {
    Task<void> get_return_object() noexcept;
    FinalAwaiter<Promise> final_suspend() noexcept { return {}; }
    void return_void() noexcept {}
    void Take() const { RethrowFailure(); }
};

}  // namespace task_detail

template <typename T>
class [[nodiscard]] Task {
public:
    using promise_type = task_detail::Promise<T>;
    using Handle = std::coroutine_handle<promise_type>;

    Task() = default;
    explicit Task(Handle frame) noexcept : frame_(frame) {}
    Task(Task&& other) noexcept : frame_(std::exchange(other.frame_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            Destroy();
            frame_ = std::exchange(other.frame_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { Destroy(); }

    bool await_ready() const noexcept { return !frame_; }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiting) noexcept {
        frame_.promise().awaiting = awaiting;
        return frame_;
    }
    T await_resume() {
        if constexpr (std::is_void_v<T>) {
            if (!frame_) return;
        }
        return frame_.promise().Take();
    }

    // For the root of a chain, which nothing awaits: runs it up to its first
    // suspension. Done() tells whether it has finished; Result() then gives
    // its value or rethrows its exception.
    void Start() { frame_.resume(); }
    bool Done() const noexcept { return !frame_ || frame_.done(); }
    T Result() { return frame_.promise().Take(); }

private:
    void Destroy() noexcept {
        if (frame_) frame_.destroy();
        frame_ = {};
    }
    Handle frame_;
};

namespace task_detail {
template <typename T>
Task<T> Promise<T>::get_return_object() noexcept {
    return Task<T>(Task<T>::Handle::from_promise(*this));
}
inline Task<void> Promise<void>::get_return_object() noexcept {
    return Task<void>(Task<void>::Handle::from_promise(*this));
}
}  // namespace task_detail

// A plain operation where a table holds coroutines: runs it and finishes.
template <auto Operation, typename Context>
Task<> AsTask(Context& context) {
    Operation(context);
    co_return;
}

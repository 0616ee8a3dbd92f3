#pragma once
// The outcome of an operation that can fail: its value, or what it failed on.
// Failures are values the caller decides about; nothing here throws them.

#include <type_traits>
#include <utility>
#include <variant>

namespace bio {

// The value of an operation that gives none.
struct Done {
    bool operator==(const Done&) const = default;
};

template <typename T, typename Error>
class [[nodiscard]] Outcome {
  public:
    Outcome(T value) : outcome_(std::in_place_index<0>, std::move(value)) {}
    template <typename Failure>
    requires std::is_constructible_v<Error, Failure> &&
        (!std::is_convertible_v<Failure, T>)Outcome(Failure error)
        : outcome_(std::in_place_index<1>, std::move(error)) {}
    // An outcome of a lower layer, whose failure this one's kind of failure includes.
    template <typename Narrower>
    requires(!std::is_same_v<Narrower, Error>) && std::is_constructible_v<Error, Narrower> Outcome(
                                                      Outcome<T, Narrower> other)
        : outcome_(other.ok() ? decltype(outcome_)(std::in_place_index<0>, std::move(other.value()))
                              : decltype(outcome_)(std::in_place_index<1>, other.error())) {}

    bool ok() const { return outcome_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<0>(outcome_); }
    const T& value() const { return std::get<0>(outcome_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<1>(outcome_); }

    friend bool operator==(const Outcome& outcome, const T& value) {
        return outcome.ok() && outcome.value() == value;
    }

  private:
    std::variant<T, Error> outcome_;
};

}  // namespace bio

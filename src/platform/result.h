#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace solario {

// A failure as the engine or a layer of ours describes it, for the screen to show.
struct Failure {
    QString description;
};

// The outcome of an operation that can fail: a value, or the description of the failure.
template <typename T> class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : error_(std::move(failure.description)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    T& value() { return *value_; }
    const QString& error() const { return error_; }

private:
    std::optional<T> value_;
    QString error_;
};

// The outcome of an operation that yields nothing but success or a failure.
class Status {
public:
    Status() = default;
    Status(Failure failure) : failed_(true), error_(std::move(failure.description)) {}
    template <typename T>
    Status(const Result<T>& result) : failed_(!result.ok()), error_(result.error()) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return error_; }

private:
    bool failed_ = false;
    QString error_;
};

} // namespace solario

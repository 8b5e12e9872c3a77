#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

/// Outcome of an operation that can fail; the message names the file or value concerned.
class [[nodiscard]] TStatus
{
public:
    TStatus() = default;
    static TStatus Failure(QString message) { return TStatus(std::move(message)); }

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    QString error() const { return m_error.value_or(QString()); }

private:
    explicit TStatus(QString message)
        : m_error(std::move(message))
    {}
    std::optional<QString> m_error;
};

/// A value or the message that explains why there is none.
template <typename T> class [[nodiscard]] TExpected
{
public:
    TExpected(T value)
        : m_data(std::move(value))
    {}
    TExpected(TStatus failure)
        : m_data(failure.error())
    {}

    bool ok() const { return m_data.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(m_data); }
    const T& value() const { return std::get<0>(m_data); }
    T& operator*() { return value(); }
    T* operator->() { return &value(); }
    QString error() const { return ok() ? QString() : std::get<1>(m_data); }

private:
    std::variant<T, QString> m_data;
};

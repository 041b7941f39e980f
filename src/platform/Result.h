#pragma once

#include <cassert>
#include <system_error>
#include <utility>
#include <variant>

namespace tidecopy {

// A value or the error that prevented it; errors are values in the core.
template <typename T>
class Result {
public:
    Result(T value)
        : m_state(std::move(value)) {}
    Result(std::error_code error)
        : m_state(error) {
        assert(error);
    }

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(m_state); }
    T& value() & { return std::get<T>(m_state); }
    T&& value() && { return std::get<T>(std::move(m_state)); }
    const T* operator->() const { return &value(); }
    const T& operator*() const& { return value(); }

    std::error_code error() const {
        return ok() ? std::error_code{} : std::get<std::error_code>(m_state);
    }

private:
    std::variant<T, std::error_code> m_state;
};

} // namespace tidecopy

#pragma once

#include <utility>

// A service of the platform, or a setting of it, that a test may stand in for: the product's
// own value until a ScopedOverride replaces it, and again once the override is gone. For a
// handler, an empty one means the product's own behaviour.
template <typename Value> class Replaceable {
public:
    explicit Replaceable(Value value = Value())
        : m_value(std::move(value))
    {
    }

    const Value &get() const { return m_value; }

private:
    template <typename> friend class ScopedOverride;
    Value m_value;
};

// Replaces a Replaceable's value for its own lifetime, then restores the value it replaced,
// so overrides nest and a test never needs to know the product's defaults.
template <typename Value> class ScopedOverride {
public:
    template <typename Given>
    ScopedOverride(Replaceable<Value> &seam, Given &&value)
        : m_seam(seam)
        , m_replaced(std::exchange(seam.m_value, Value(std::forward<Given>(value))))
    {
    }
    ~ScopedOverride() { m_seam.m_value = std::move(m_replaced); }

    ScopedOverride(const ScopedOverride &) = delete;
    ScopedOverride &operator=(const ScopedOverride &) = delete;

private:
    Replaceable<Value> &m_seam;
    Value m_replaced;
};

template <typename Value, typename Given>
ScopedOverride(Replaceable<Value> &, Given &&) -> ScopedOverride<Value>;

#pragma once

#include <utility>

// A service of the platform, or a setting of it, that a test may stand in for. It always
// holds a working value: the product's own until a ScopedOverride replaces it, and again once
// the override is gone. Callers just use what get() gives.
template <typename Value> class Replaceable {
public:
    explicit Replaceable(Value product)
        : m_product(product)
        , m_value(std::move(product))
    {
    }

    const Value &get() const { return m_value; }
    // The product's own value, for a test that wants the real service under an override.
    const Value &product() const { return m_product; }

private:
    template <typename> friend class ScopedOverride;
    const Value m_product;
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

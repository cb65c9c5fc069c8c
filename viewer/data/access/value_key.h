// Order-preserving unsigned keys of raw dataset values, so that every type's minimum and
// maximum are found by plain unsigned comparisons and stored in the value's own width.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

#include "common/byte_order.h"
#include "viewer/data/data_type.h"
#include "viewer/data/dataset.h"

namespace grafyon {

// How the raw bits of a value become a key.
enum class KeyClass : std::uint8_t {
    Unsigned,  // (raw AND mask): UCHAR, USHORT, ULONG, UDLONG and the Booleans
    Signed,    // (raw AND mask) XOR sign bit: CHAR, SHORT, LONG, DLONG
    Float,     // IEEE bits with the sign folded: FLOAT, DOUBLE; NaN and infinities have no key
};

// A pair of keys covering some frames. Empty (no finite value) when minimum > maximum,
// which is how a fresh pair starts, so combining needs no special case.
template <class K>
struct KeyPair {
    K minimum = std::numeric_limits<K>::max();
    K maximum = 0;

    bool Empty() const { return minimum > maximum; }
    bool operator==(const KeyPair&) const = default;
    void Add(K key) {
        if (key < minimum)
            minimum = key;
        if (key > maximum)
            maximum = key;
    }
    void Add(const KeyPair& other) {
        if (other.minimum < minimum)
            minimum = other.minimum;
        if (other.maximum > maximum)
            maximum = other.maximum;
    }
};

// Raw bits <-> keys. The functions of one class and width are pure bit operations.
template <class K>
struct KeyBits {
    static constexpr K SIGN = K(1) << (sizeof(K) * 8 - 1);

    static K Load(const std::uint8_t* p) {
        if constexpr (sizeof(K) == 1)
            return *p;
        if constexpr (sizeof(K) == 2)
            return LoadU16LE(p);
        if constexpr (sizeof(K) == 4)
            return LoadU32LE(p);
        if constexpr (sizeof(K) == 8)
            return LoadU64LE(p);
    }
    static void Store(std::uint8_t* p, K v) {
        if constexpr (sizeof(K) == 1)
            *p = v;
        if constexpr (sizeof(K) == 2)
            StoreU16LE(p, v);
        if constexpr (sizeof(K) == 4)
            StoreU32LE(p, v);
        if constexpr (sizeof(K) == 8)
            StoreU64LE(p, v);
    }
    static bool FloatFinite(K bits) {
        if constexpr (sizeof(K) == 4)
            return (bits & 0x7F800000u) != 0x7F800000u;
        if constexpr (sizeof(K) == 8)
            return (bits & 0x7FF0000000000000ull) != 0x7FF0000000000000ull;
        return true;
    }
    // Negative floats are inverted, positive ones get the sign bit: unsigned order then
    // equals numeric order (-0 sorts just below +0).
    static K FloatKey(K bits) { return (bits & SIGN) ? K(~bits) : K(bits | SIGN); }
    static K FloatBits(K key) { return (key & SIGN) ? K(key & ~SIGN) : K(~key); }

    // Key of the raw bits, or nothing for NaN and infinities.
    static std::optional<K> ToKey(KeyClass cls, K raw, K mask) {
        switch (cls) {
            case KeyClass::Unsigned:
                return K(raw & mask);
            case KeyClass::Signed:
                return K((raw & mask) ^ SIGN);
            case KeyClass::Float:
                if (!FloatFinite(raw))
                    return std::nullopt;
                if ((raw & K(~SIGN)) == 0)
                    raw = 0;  // -0 counts as 0, whichever path finds it
                return FloatKey(raw);
        }
        return std::nullopt;
    }
    static K ToRaw(KeyClass cls, K key) {
        switch (cls) {
            case KeyClass::Unsigned:
                return key;
            case KeyClass::Signed:
                return K(key ^ SIGN);
            case KeyClass::Float:
                return FloatBits(key);
        }
        return key;
    }
};

// The one place where a value width becomes a key type: calls
// f(std::type_identity<K>{}) with the unsigned key type K of `width` bytes (1, 2 or 4; any
// other width is taken as 8, so callers pass only the widths of valid codecs). Always
// inlined, so that it costs what a switch in the caller costs.
template <class F>
[[gnu::always_inline]] inline decltype(auto) VisitKeyWidth(std::uint32_t width, F&& f) {
    switch (width) {
        case 1:
            return f(std::type_identity<std::uint8_t>{});
        case 2:
            return f(std::type_identity<std::uint16_t>{});
        case 4:
            return f(std::type_identity<std::uint32_t>{});
        default:
            return f(std::type_identity<std::uint64_t>{});
    }
}

template <KeyClass CLS>
using KeyClassConstant = std::integral_constant<KeyClass, CLS>;

// The same with the key class as a constant too: f(std::type_identity<K>{},
// KeyClassConstant<CLS>{}), so the code for every class and width is chosen at compile time.
// Float keys exist in widths 4 and 8 only (FLOAT, DOUBLE); a float class of another width,
// which KeyCodec::For never makes, is visited as Unsigned.
template <class F>
decltype(auto) VisitKeyType(KeyClass cls, std::uint32_t width, F&& f) {
    return VisitKeyWidth(width, [&]<class K>(std::type_identity<K> key) -> decltype(auto) {
        switch (cls) {
            case KeyClass::Signed:
                return f(key, KeyClassConstant<KeyClass::Signed>{});
            case KeyClass::Float:
                if constexpr (sizeof(K) >= 4)
                    return f(key, KeyClassConstant<KeyClass::Float>{});
                else
                    return f(key, KeyClassConstant<KeyClass::Unsigned>{});
            default:
                return f(key, KeyClassConstant<KeyClass::Unsigned>{});
        }
    });
}

// Everything needed to turn one dataset's raw values into keys and keys into calibrated
// values. Built once per dataset; valid only for readable datasets (Valid()).
struct KeyCodec {
    KeyClass cls = KeyClass::Unsigned;
    std::uint32_t width = 0;        // bytes per value and per key: 1, 2, 4 or 8; 0 = unreadable
    std::uint64_t mask = 0;         // widened and cut to the width; unused for floats
    std::uint64_t frameOffset = 0;  // effective frame offset of the dataset's first value
    std::uint32_t dataType = 0;
    std::uint32_t dataMask = 0;
    double factor = 1.0;
    double offset = 0.0;

    bool Valid() const { return width != 0; }

    // Codec of a kind-100 dataset that fits frames of frameSize bytes; an invalid codec
    // for every other dataset (kinds 101/110 are never read).
    static KeyCodec For(const Dataset& dataset, std::uint64_t frameSize) {
        KeyCodec c;
        if (dataset.Kind() != ELEMENT_DATASET || !dataset.FitsFrame(frameSize))
            return c;
        const std::uint32_t size = dataset.ValueSize();
        if (size != 1 && size != 2 && size != 4 && size != 8)
            return c;
        switch (BaseDataType(dataset.dataType)) {
            case DATA_TYPE_CHAR:
            case DATA_TYPE_SHORT:
            case DATA_TYPE_LONG:
            case DATA_TYPE_DLONG:
                c.cls = KeyClass::Signed;
                break;
            case DATA_TYPE_FLOAT:
            case DATA_TYPE_DOUBLE:
                c.cls = KeyClass::Float;
                break;
            default:
                c.cls = KeyClass::Unsigned;
                break;
        }
        c.width = size;
        const std::uint64_t wide = WidenMask(dataset.dataType, dataset.dataMask);
        c.mask = size == 8 ? wide : (wide & ((std::uint64_t{1} << (8 * size)) - 1));
        c.frameOffset = dataset.effectiveFrameOffset;
        c.dataType = dataset.dataType;
        c.dataMask = dataset.dataMask;
        c.factor = dataset.factor;
        c.offset = dataset.offset;
        return c;
    }

    // Calibrated value of a key of this codec's width (given widened to 64 bits).
    double Decode(std::uint64_t key) const;

    // Calibrated (minimum, maximum) of a key pair, ordered (a negative factor swaps them);
    // (0, 0) for an empty pair: a dataset without any finite value counts as constant 0.
    template <class K>
    void DecodePair(const KeyPair<K>& pair, double& minimum, double& maximum) const {
        if (pair.Empty()) {
            minimum = maximum = 0.0;
            return;
        }
        minimum = Decode(pair.minimum);
        maximum = Decode(pair.maximum);
        if (maximum < minimum)
            std::swap(minimum, maximum);
    }
};

inline double KeyCodec::Decode(std::uint64_t key) const {
    if (!Valid())
        return 0.0;
    std::uint8_t raw[8] = {};
    VisitKeyWidth(width, [&]<class K>(std::type_identity<K>) {
        KeyBits<K>::Store(raw, KeyBits<K>::ToRaw(cls, static_cast<K>(key)));
    });
    return DecodeValue(raw, dataType, dataMask, factor, offset);
}

}  // namespace grafyon

#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Reads choices out of a fuzzer's input, front to back. Once the input is used up every
// choice is its lowest value, so any input, however short, describes one whole case.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *bytes, size_t size)
        : m_bytes(bytes)
        , m_size(size)
    {
    }

    bool isUsedUp() const { return m_next >= m_size; }

    // A value in low..high (both included), from as few bytes as the range needs.
    int pick(int low, int high)
    {
        if (high <= low)
            return low;
        const uint32_t range = uint32_t(high - low);
        uint32_t value = 0;
        for (uint32_t span = range; span != 0 && !isUsedUp(); span >>= 8)
            value = (value << 8) | m_bytes[m_next++];
        return low + int(value % (range + 1));
    }

    bool flag() { return pick(0, 1) == 1; }

    // Up to maxLength bytes; the first byte says how many.
    QByteArray bytes(int maxLength)
    {
        const int length = pick(0, maxLength);
        const size_t available = m_size - (m_next < m_size ? m_next : m_size);
        const size_t taken = size_t(length) < available ? size_t(length) : available;
        QByteArray result(reinterpret_cast<const char *>(m_bytes + m_next), qsizetype(taken));
        m_next += taken;
        return result;
    }

private:
    const uint8_t *m_bytes;
    size_t m_size;
    size_t m_next = 0;
};

#pragma once

// Takes typed values off the front of a fuzzer's input, so one input can drive several
// parameters.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    { }

    bool empty() const { return m_size == 0; }

    std::uint8_t byte()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }

    template<typename T>
    T value()
    {
        T result {};
        const std::size_t n = m_size < sizeof(T) ? m_size : sizeof(T);
        std::memcpy(&result, m_data, n);
        m_data += n;
        m_size -= n;
        return result;
    }

    // Text up to the next NUL byte, or the rest of the input.
    std::string text()
    {
        std::string result;
        while (m_size > 0) {
            const char c = static_cast<char>(byte());
            if (c == '\0')
                break;
            result += c;
        }
        return result;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

#include "sessions/chooser.h"

std::size_t RandomChooser::below(std::size_t n)
{
    // Plain modulo: the tiny bias is of no matter for choosing actions, and unlike the standard
    // distributions it gives the same sequence with every library.
    return static_cast<std::size_t>(m_engine() % n);
}

std::uint8_t ByteChooser::byte() { return m_next < m_size ? m_data[m_next++] : std::uint8_t{0}; }

std::size_t ByteChooser::below(std::size_t n)
{
    std::size_t value = byte();
    if (n > 256)
        value = value << 8U | byte();
    return value % n;
}

std::string ByteChooser::ownText()
{
    const std::size_t length = byte();
    std::string text;
    for (std::size_t i = 0; i < length && !exhausted(); ++i)
        text += static_cast<char>(byte());
    return text;
}

std::uint64_t ByteChooser::takeSeed()
{
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = seed << 8U | byte();
    return seed;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

// Where the generator's choices come from: a seeded engine in the session tests, the fuzzer's bytes
// in the harnesses. The same generator turns either into actions.
class Chooser {
public:
    virtual ~Chooser() = default;
    // A number in 0 .. n - 1; n is at least 1.
    virtual std::size_t below(std::size_t n) = 0;
    // Whether the chooser can also make up texts of its own beside the pools.
    virtual bool hasOwnTexts() const { return false; }
    virtual std::string ownText() { return {}; }
};

class RandomChooser final : public Chooser {
public:
    explicit RandomChooser(std::uint64_t seed) : m_engine(seed) {}
    std::size_t below(std::size_t n) override;

private:
    std::mt19937_64 m_engine;
};

// Takes choices from a byte string, front to back; once it runs out every choice is 0.
class ByteChooser final : public Chooser {
public:
    ByteChooser(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t below(std::size_t n) override;
    bool hasOwnTexts() const override { return true; }
    // A length byte, then that many bytes as they are.
    std::string ownText() override;
    // Up to eight bytes as a number.
    std::uint64_t takeSeed();
    bool exhausted() const { return m_next >= m_size; }

private:
    std::uint8_t byte();

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_next = 0;
};

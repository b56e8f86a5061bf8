#pragma once

#include "core/colour.h"
#include "core/random_stream.h"

#include <cstdint>
#include <functional>
#include <optional>

// The random draws that every screen makes, all from the one stream of the program.
class Share {
public:
    explicit Share(RandomStream& stream) : m_stream(stream) {}

    // Int(r * 254): 0..253.
    std::int16_t randomColourComponent();
    // Int(r * 64): a block number 0..63.
    std::int16_t randomBlock();
    // RandomBlock until a block passes the caller's test, one draw per candidate and no limit on
    // their number. Nothing, and no draw, when no block can pass, so the search always ends.
    std::optional<std::int16_t> drawBlockWhere(const std::function<bool(int)>& accepts);
    // Three components in the order R, G, B.
    FileColour drawFileColour();

    // Where the stream stands, and back to there.
    std::uint64_t position() const { return m_stream.position(); }
    void rewindTo(std::uint64_t position) { m_stream.rewindTo(position); }

private:
    std::int16_t draw(int range);

    RandomStream& m_stream;
};

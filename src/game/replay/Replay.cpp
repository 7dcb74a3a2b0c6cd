#include "game/replay/Replay.h"

#include <algorithm>
#include <bitset>
#include <cstring>

#include "base/Fnv1a.h"

namespace Yorun {

namespace {

constexpr char kMagic[8] = {'Y', 'O', 'R', 'U', 'N', 'R', 'P', 'L'};
constexpr std::size_t kMaxVersionBytes = 32;
constexpr std::size_t kChecksumBytes = 8;

class Writer {
public:
    void Bytes(const void* data, std::size_t size) {
        const auto* begin = static_cast<const std::uint8_t*>(data);
        out.insert(out.end(), begin, begin + size);
    }
    void U8(std::uint8_t value) { out.push_back(value); }
    void U16(std::uint16_t value) { Little(value, 2); }
    void U32(std::uint32_t value) { Little(value, 4); }
    void I32(std::int32_t value) { Little(static_cast<std::uint32_t>(value), 4); }
    void I64(std::int64_t value) { Little(static_cast<std::uint64_t>(value), 8); }
    void F32(float value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof(bits));
        U32(bits);
    }
    // Signed, zigzagged, seven bits a byte.
    void Varint(std::int64_t value) {
        std::uint64_t bits =
            (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
        while (bits >= 0x80) {
            out.push_back(static_cast<std::uint8_t>(bits | 0x80));
            bits >>= 7;
        }
        out.push_back(static_cast<std::uint8_t>(bits));
    }

    std::vector<std::uint8_t> out;

private:
    void Little(std::uint64_t value, int size) {
        for (int byte = 0; byte < size; ++byte) {
            out.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
        }
    }
};

class Reader {
public:
    Reader(const std::uint8_t* bytes, std::size_t size) : bytes(bytes), size(size) {}

    bool Bytes(void* data, std::size_t count) {
        if (count > size - at) {
            return false;
        }
        std::memcpy(data, bytes + at, count);
        at += count;
        return true;
    }
    bool U8(std::uint8_t& value) { return Bytes(&value, 1); }
    bool U16(std::uint16_t& value) { return Little(value); }
    bool U32(std::uint32_t& value) { return Little(value); }
    bool I32(std::int32_t& value) {
        std::uint32_t bits = 0;
        const bool read = Little(bits);
        value = static_cast<std::int32_t>(bits);
        return read;
    }
    bool I64(std::int64_t& value) {
        std::uint64_t bits = 0;
        const bool read = Little(bits);
        value = static_cast<std::int64_t>(bits);
        return read;
    }
    bool F32(float& value) {
        std::uint32_t bits = 0;
        const bool read = Little(bits);
        std::memcpy(&value, &bits, sizeof(value));
        return read;
    }
    bool Varint(std::int64_t& value) {
        std::uint64_t bits = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            std::uint8_t byte = 0;
            if (!U8(byte)) {
                return false;
            }
            bits |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0) {
                value = static_cast<std::int64_t>(bits >> 1) ^ -static_cast<std::int64_t>(bits & 1);
                return true;
            }
        }
        return false;  // more than ten bytes: no number of ours
    }
    std::size_t Left() const { return size - at; }

private:
    template <typename T>
    bool Little(T& value) {
        std::uint8_t raw[sizeof(T)];
        if (!Bytes(raw, sizeof(T))) {
            return false;
        }
        value = 0;
        for (std::size_t byte = 0; byte < sizeof(T); ++byte) {
            value = static_cast<T>(value | static_cast<T>(raw[byte]) << (8 * byte));
        }
        return true;
    }

    const std::uint8_t* bytes;
    std::size_t size;
    std::size_t at = 0;
};

// A set of key codes: its count, then the codes in ascending order.
void WriteKeys(Writer& writer, const std::bitset<256>& keys) {
    std::uint8_t codes[256];
    int count = 0;
    for (int code = 0; code < 256; ++code) {
        if (keys[static_cast<std::size_t>(code)]) {
            codes[count++] = static_cast<std::uint8_t>(code);
        }
    }
    // 256 keys down at once cannot be recorded from a keyboard; the count's byte holds 0..255.
    const int kept = count > 255 ? 255 : count;
    writer.U8(static_cast<std::uint8_t>(kept));
    writer.Bytes(codes, static_cast<std::size_t>(kept));
}

bool ReadKeys(Reader& reader, std::bitset<256>& keys) {
    std::uint8_t count = 0;
    if (!reader.U8(count)) {
        return false;
    }
    int previous = -1;
    for (int index = 0; index < count; ++index) {
        std::uint8_t code = 0;
        if (!reader.U8(code) || code <= previous) {
            return false;
        }
        keys.set(code);
        previous = code;
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeReplay(const Replay& replay) {
    Writer writer;
    writer.Bytes(kMagic, sizeof(kMagic));
    // A game without statistics (read from a format 1 file) is written as it was read.
    writer.U16(replay.hasStats ? Replay::kFormatVersion : std::uint16_t{1});
    const std::size_t versionBytes = std::min(replay.programVersion.size(), kMaxVersionBytes);
    writer.U8(static_cast<std::uint8_t>(versionBytes));
    writer.Bytes(replay.programVersion.data(), versionBytes);
    writer.U8(static_cast<std::uint8_t>(replay.difficulty));
    writer.I64(replay.recordedAt);
    writer.I64(replay.frequency);
    writer.U32(replay.generator.x);
    writer.U32(replay.generator.y);
    writer.U32(replay.generator.z);
    writer.U32(replay.generator.w);
    const CarriedState& carried = replay.carried;
    writer.F32(carried.shotTimer);
    writer.F32(carried.launchCounter);
    for (std::int32_t hold : carried.blinkHolds) {
        writer.I32(hold);
    }
    writer.U8(carried.emptyNoticeFadingIn ? 1 : 0);
    writer.I32(carried.shotCueNext);
    writer.I32(carried.hitCueNext);
    writer.I32(replay.score);
    writer.I32(replay.maxScore);
    if (replay.hasStats) {
        writer.I32(replay.stats.shots);
        writer.I32(replay.stats.hits);
        writer.I32(replay.stats.longestCombo);
    }
    writer.U32(static_cast<std::uint32_t>(replay.frames.size()));
    for (const ReplayFrame& frame : replay.frames) {
        writer.Varint(frame.ticks);
        WriteKeys(writer, frame.held);
        WriteKeys(writer, frame.triggered);
    }
    const std::uint64_t checksum = Corvane::Fnv1a::Of(writer.out.data(), writer.out.size());
    writer.I64(static_cast<std::int64_t>(checksum));
    return writer.out;
}

bool DecodeReplay(const std::uint8_t* bytes, std::size_t size, Replay& replay, std::string& error) {
    replay = Replay{};
    char magic[sizeof(kMagic)] = {};
    Reader reader(bytes, size);
    if (!reader.Bytes(magic, sizeof(magic)) || std::memcmp(magic, kMagic, sizeof(kMagic)) != 0) {
        error = "not a replay of this game";
        return false;
    }
    std::uint16_t version = 0;
    if (!reader.U16(version)) {
        error = "cut short";
        return false;
    }
    if (version != 1 && version != Replay::kFormatVersion) {
        error = "recorded in replay format " + std::to_string(version) + ", which this version (format " +
                std::to_string(Replay::kFormatVersion) + ") cannot play";
        return false;
    }
    // Everything after the version is covered by the checksum at the end: a damaged file is refused before
    // any of it is believed.
    if (reader.Left() < kChecksumBytes) {
        error = "cut short";
        return false;
    }
    std::uint64_t stored = 0;
    for (std::size_t byte = 0; byte < kChecksumBytes; ++byte) {
        stored |= static_cast<std::uint64_t>(bytes[size - kChecksumBytes + byte]) << (8 * byte);
    }
    if (Corvane::Fnv1a::Of(bytes, size - kChecksumBytes) != stored) {
        error = "damaged (cut short, or changed since it was written)";
        return false;
    }
    Reader body(bytes, size - kChecksumBytes);
    body.Bytes(magic, sizeof(magic));
    body.U16(version);

    std::uint8_t versionBytes = 0;
    std::uint8_t difficulty = 0;
    std::uint8_t fadingIn = 0;
    std::uint32_t frameCount = 0;
    char programVersion[256] = {};
    CarriedState& carried = replay.carried;
    bool read = body.U8(versionBytes) && versionBytes <= kMaxVersionBytes &&
                body.Bytes(programVersion, versionBytes) && body.U8(difficulty) &&
                body.I64(replay.recordedAt) && body.I64(replay.frequency) && body.U32(replay.generator.x) &&
                body.U32(replay.generator.y) && body.U32(replay.generator.z) && body.U32(replay.generator.w);
    read = read && body.F32(carried.shotTimer) && body.F32(carried.launchCounter);
    for (std::int32_t& hold : carried.blinkHolds) {
        read = read && body.I32(hold);
    }
    read = read && body.U8(fadingIn) && body.I32(carried.shotCueNext) && body.I32(carried.hitCueNext) &&
           body.I32(replay.score) && body.I32(replay.maxScore);
    replay.hasStats = version >= 2;
    RoundStats& stats = replay.stats;
    if (replay.hasStats) {
        read = read && body.I32(stats.shots) && body.I32(stats.hits) && body.I32(stats.longestCombo);
    }
    read = read && body.U32(frameCount);
    if (!read) {
        error = "its header is incomplete";
        return false;
    }
    replay.programVersion.assign(programVersion, versionBytes);
    replay.difficulty = difficulty;
    carried.emptyNoticeFadingIn = fadingIn != 0;
    const XorShift128& generator = replay.generator;
    const bool generatorZero = (generator.x | generator.y | generator.z | generator.w) == 0;
    if (difficulty > 2 || replay.frequency <= 0 || generatorZero || fadingIn > 1 || carried.shotCueNext < 0 ||
        carried.shotCueNext > 2 || carried.hitCueNext < 0 || carried.hitCueNext > 1 || replay.score < 0 ||
        replay.maxScore < 0 || frameCount == 0 || frameCount > Replay::kMaxFrames || stats.shots < 0 ||
        stats.hits < 0 || stats.hits > stats.shots || stats.longestCombo < 0 ||
        stats.longestCombo > stats.hits) {
        error = "its header holds values no game has";
        return false;
    }
    // Each frame takes at least three bytes: a count of frames the file cannot hold is refused before any
    // memory is set aside for it.
    if (frameCount > body.Left() / 3) {
        error = "cut short";
        return false;
    }
    replay.frames.resize(frameCount);
    for (ReplayFrame& frame : replay.frames) {
        if (!body.Varint(frame.ticks) || frame.ticks < 0 || !ReadKeys(body, frame.held) ||
            !ReadKeys(body, frame.triggered)) {
            error = "a frame is damaged";
            return false;
        }
        if ((frame.triggered & ~frame.held).any()) {
            error = "a frame is damaged";
            return false;
        }
    }
    if (body.Left() != 0) {
        error = "it goes on past its last frame";
        return false;
    }
    return true;
}

}  // namespace Yorun

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "OggFiles.h"
#include "sound/OggDecoder.h"
#include "sound/OggVorbisMemory.h"
#include "support/TemporaryDirectory.h"

namespace {

using Dix::OggDecoder;
using Dix::OggVorbisMemory;
using Dix::sp;
using sound_testing::DecodeWhole;
using sound_testing::EncodeTone;
using sound_testing::Tone;
using testing_support::TemporaryDirectory;

class OggFile : public ::testing::Test {
protected:
    OggFile() : bytes(EncodeTone(Tone{.seconds = 0.25})), file(directory.Write("tone.ogg", bytes)) {}

    TemporaryDirectory directory;
    std::vector<unsigned char> bytes;
    std::string file;
};

// The memory callbacks vorbisfile reads through.

TEST_F(OggFile, ReadCallbackDeliversWholeItemsOnly) {
    OggVorbisMemory memory(file.c_str());
    ASSERT_TRUE(memory.IsOpen());
    const int size = memory.GetSize();
    ASSERT_EQ(OggVorbisMemory::Seek(&memory, size - 10, SEEK_SET), 0);
    char dest[12] = {};

    EXPECT_EQ(OggVorbisMemory::Read(dest, 4, 3, &memory), 2u);
    EXPECT_EQ(memory.GetPosition(), size - 2);
    EXPECT_EQ(std::memcmp(dest, bytes.data() + size - 10, 8), 0);
    EXPECT_EQ(OggVorbisMemory::Read(nullptr, 1, 1, &memory), 0u);
    EXPECT_EQ(OggVorbisMemory::Read(dest, 0, 3, &memory), 0u);
    EXPECT_EQ(OggVorbisMemory::Read(dest, 1, 12, &memory), 2u);
    EXPECT_EQ(OggVorbisMemory::Read(dest, 1, 12, &memory), 0u);
    EXPECT_EQ(OggVorbisMemory::Tell(&memory), size);
}

TEST_F(OggFile, SeekCallbackClampsToTheData) {
    OggVorbisMemory memory(file.c_str());
    const int size = memory.GetSize();

    EXPECT_EQ(OggVorbisMemory::Seek(&memory, size + 1, SEEK_SET), -1);
    EXPECT_EQ(memory.GetPosition(), size);
    EXPECT_EQ(OggVorbisMemory::Seek(&memory, -1, SEEK_SET), -1);
    EXPECT_EQ(memory.GetPosition(), 0);
    EXPECT_EQ(OggVorbisMemory::Seek(&memory, size, SEEK_SET), 0);
    EXPECT_EQ(memory.GetPosition(), size);
    EXPECT_EQ(OggVorbisMemory::Seek(&memory, -5, SEEK_CUR), 0);
    EXPECT_EQ(memory.GetPosition(), size - 5);
    EXPECT_EQ(OggVorbisMemory::Seek(&memory, -size, SEEK_END), 0);
    EXPECT_EQ(memory.GetPosition(), 0);
    EXPECT_EQ(OggVorbisMemory::Seek(&memory, 1, SEEK_END), -1);
    EXPECT_EQ(memory.GetPosition(), size);
    EXPECT_EQ(OggVorbisMemory::Seek(&memory, 0, 7), -1);
    EXPECT_EQ(memory.GetPosition(), size);
}

TEST_F(OggFile, SeekCallbackUsesTheLow32BitsOfTheOffset) {
    OggVorbisMemory memory(file.c_str());

    EXPECT_EQ(OggVorbisMemory::Seek(&memory, (ogg_int64_t{1} << 32) + 5, SEEK_SET), 0);
    EXPECT_EQ(memory.GetPosition(), 5);
    EXPECT_EQ(OggVorbisMemory::Seek(&memory, (ogg_int64_t{3} << 32) - 2, SEEK_CUR), 0);
    EXPECT_EQ(memory.GetPosition(), 3);
    EXPECT_EQ(OggVorbisMemory::Seek(&memory, 0x7FFFFFFF, SEEK_CUR), -1);
    EXPECT_EQ(memory.GetPosition(), memory.GetSize());
    EXPECT_EQ(OggVorbisMemory::CloseSource(&memory), 0);
}

TEST_F(OggFile, MemoryThatCannotBeReadIsClosed) {
    const std::string text = directory.Write("text.ogg", {'n', 'o', 't', ' ', 'o', 'g', 'g'});
    const std::string empty = directory.Write("empty.ogg", {});

    OggVorbisMemory memory(file.c_str());
    ASSERT_TRUE(memory.IsOpen());
    EXPECT_FALSE(memory.Open(directory.File("missing.ogg").c_str()));
    EXPECT_FALSE(memory.IsOpen());
    EXPECT_FALSE(memory.Open(text.c_str()));
    EXPECT_FALSE(memory.IsOpen());
    EXPECT_EQ(memory.GetSize(), 0);
    EXPECT_FALSE(memory.Open(empty.c_str()));
    EXPECT_EQ(memory.Clone(), nullptr);
}

TEST_F(OggFile, CloneSharesTheBytesAndStartsAtTheBeginning) {
    auto memory = std::make_shared<OggVorbisMemory>(file.c_str());
    const sp<Dix::OggVorbisResource> copy = memory->Clone();

    ASSERT_NE(copy, nullptr);
    auto* copied = static_cast<OggVorbisMemory*>(copy.get());
    EXPECT_TRUE(copied->IsOpen());
    EXPECT_EQ(copied->GetData().get(), memory->GetData().get());
    EXPECT_EQ(copied->GetSize(), memory->GetSize());
    EXPECT_STREQ(copied->GetFileName(), file.c_str());
    EXPECT_NE(copied->GetFile(), memory->GetFile());
    memory.reset();
    // The copy keeps the bytes alive.
    EXPECT_EQ(ov_pcm_total(copied->GetFile(), -1), 11025);
}

// Decoding.

TEST_F(OggFile, DecoderDescribesTheFormat) {
    const std::string mono =
        directory.Write("mono.ogg", EncodeTone(Tone{.seconds = 0.1, .rate = 22050, .channels = 1}));
    OggDecoder stereoDecoder(std::make_shared<OggVorbisMemory>(file.c_str()));
    OggDecoder monoDecoder(std::make_shared<OggVorbisMemory>(mono.c_str()));
    platform::WAVEFORMATEX stereo;
    platform::WAVEFORMATEX single;

    ASSERT_TRUE(stereoDecoder.GetWaveFormat(stereo));
    ASSERT_TRUE(monoDecoder.GetWaveFormat(single));

    EXPECT_EQ(stereo.wFormatTag, 1);
    EXPECT_EQ(stereo.nChannels, 2);
    EXPECT_EQ(stereo.nSamplesPerSec, 44100u);
    EXPECT_EQ(stereo.wBitsPerSample, 16);
    EXPECT_EQ(stereo.nBlockAlign, 4);
    EXPECT_EQ(stereo.nAvgBytesPerSec, 176400u);
    EXPECT_EQ(stereo.cbSize, 0);
    EXPECT_EQ(single.nChannels, 1);
    EXPECT_EQ(single.nBlockAlign, 2);
    EXPECT_EQ(single.nAvgBytesPerSec, 44100u);
}

TEST_F(OggFile, DecoderThatIsNotReadyDoesNothing) {
    OggDecoder decoder(std::make_shared<OggVorbisMemory>(directory.File("missing.ogg").c_str()));
    char buffer[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    int written = 77;
    bool ended = false;
    platform::WAVEFORMATEX format;

    EXPECT_FALSE(decoder.IsReady());
    EXPECT_FALSE(decoder.Read(buffer, 8, &written, &ended));
    EXPECT_EQ(written, 77);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_FALSE(decoder.Rewind());
    EXPECT_FALSE(decoder.GetWaveFormat(format));
    EXPECT_FALSE(decoder.Clone()->IsReady());
}

TEST_F(OggFile, ReadWithoutABufferReportsTheEnd) {
    OggDecoder decoder(std::make_shared<OggVorbisMemory>(file.c_str()));
    int written = 77;
    bool ended = false;

    EXPECT_FALSE(decoder.Read(nullptr, 8, &written, &ended));
    EXPECT_EQ(written, 0);
    EXPECT_TRUE(ended);
}

class DecoderNearTheEnd : public OggFile {
protected:
    DecoderNearTheEnd() : whole(DecodeWhole(file)), decoder(std::make_shared<OggVorbisMemory>(file.c_str())) {
        const int skip = static_cast<int>(whole.size() * 2) - 1000;
        std::vector<char> skipped(static_cast<std::size_t>(skip));
        int written = 0;
        decoder.Read(skipped.data(), skip, &written, nullptr);
        EXPECT_EQ(written, skip);
    }

    const char* WholeBytes() const { return reinterpret_cast<const char*>(whole.data()); }

    std::vector<std::int16_t> whole;
    OggDecoder decoder;
};

TEST_F(DecoderNearTheEnd, LoopingReadGoesOnFromTheStartWithoutAGap) {
    decoder.SetLoop(true);
    std::vector<char> buffer(8192);
    int written = 0;
    bool ended = true;

    ASSERT_TRUE(decoder.Read(buffer.data(), 8192, &written, &ended));

    EXPECT_EQ(written, 8192);
    EXPECT_FALSE(ended);
    EXPECT_EQ(std::memcmp(buffer.data(), WholeBytes() + whole.size() * 2 - 1000, 1000), 0);
    EXPECT_EQ(std::memcmp(buffer.data() + 1000, WholeBytes(), 7192), 0);
}

TEST_F(DecoderNearTheEnd, OneShotReadEndsWithSilence) {
    std::vector<char> buffer(8192, 1);
    int written = 0;
    bool ended = false;

    ASSERT_TRUE(decoder.Read(buffer.data(), 8192, &written, &ended));

    EXPECT_EQ(written, 1000);
    EXPECT_TRUE(ended);
    EXPECT_EQ(std::memcmp(buffer.data(), WholeBytes() + whole.size() * 2 - 1000, 1000), 0);
    EXPECT_EQ(std::vector<char>(buffer.begin() + 1000, buffer.end()), std::vector<char>(7192, 0));
}

TEST_F(DecoderNearTheEnd, RewindGoesBackToTheStart) {
    std::vector<char> buffer(4096);
    ASSERT_TRUE(decoder.Rewind());
    decoder.Read(buffer.data(), 4096, nullptr, nullptr);
    EXPECT_EQ(std::memcmp(buffer.data(), WholeBytes(), 4096), 0);
}

TEST_F(OggFile, ClonedDecodersDecodeIndependently) {
    const std::vector<std::int16_t> whole = DecodeWhole(file);
    auto memory = std::make_shared<OggVorbisMemory>(file.c_str());
    OggDecoder original(memory);
    original.SetLoop(true);
    const sp<Dix::PCMDecoder> first = original.Clone();
    const sp<Dix::PCMDecoder> second = original.Clone();
    std::vector<std::int16_t> a(4000);
    std::vector<std::int16_t> b(2000);

    EXPECT_FALSE(first->GetLoop());
    first->Read(a.data(), 4000, nullptr, nullptr);
    second->Read(b.data(), 4000, nullptr, nullptr);
    first->Read(a.data() + 2000, 4000, nullptr, nullptr);

    EXPECT_EQ(a, std::vector<std::int16_t>(whole.begin(), whole.begin() + 4000));
    EXPECT_EQ(b, std::vector<std::int16_t>(whole.begin(), whole.begin() + 2000));
}

// Damaged streams: no overrun (the buffers are exactly as long as asked, for the address checker), no
// endless loop, and the count holds only real sound.

struct DamagedRead {
    int written = -1;
    bool ended = false;
};

DamagedRead ReadAll(const std::string& file, bool loop, int bytes) {
    OggDecoder decoder(std::make_shared<OggVorbisMemory>(file.c_str()));
    EXPECT_TRUE(decoder.IsReady());
    decoder.SetLoop(loop);
    std::vector<char> buffer(static_cast<std::size_t>(bytes));
    DamagedRead result;
    EXPECT_TRUE(decoder.Read(buffer.data(), bytes, &result.written, &result.ended));
    return result;
}

TEST_F(OggFile, TruncatedStreamEndsEarly) {
    // Long enough for several audio pages, so that the cut leaves some whole ones.
    const std::vector<unsigned char> longer = EncodeTone(Tone{.seconds = 6.0});
    const std::string cut = directory.Write(
        "cut.ogg", std::vector<unsigned char>(
                       longer.begin(), longer.begin() + static_cast<std::ptrdiff_t>(longer.size() * 6 / 10)));
    const int full = 6 * 44100 * 4;

    const DamagedRead once = ReadAll(cut, false, full);
    const DamagedRead looping = ReadAll(cut, true, 3 * full);

    EXPECT_TRUE(once.ended);
    EXPECT_GT(once.written, full / 4);
    EXPECT_LT(once.written, full * 6 / 10);
    EXPECT_EQ(once.written % 4, 0);
    EXPECT_FALSE(looping.ended);
    EXPECT_EQ(looping.written, 3 * full);
}

TEST_F(OggFile, CorruptedStreamSkipsTheDamage) {
    std::vector<unsigned char> damaged = EncodeTone(Tone{.seconds = 6.0});
    for (std::size_t index = damaged.size() * 4 / 10; index < damaged.size() / 2; ++index) {
        damaged[index] = static_cast<unsigned char>(index * 7);
    }
    const std::string corrupted = directory.Write("corrupted.ogg", damaged);
    const int full = 6 * 44100 * 4;

    const DamagedRead once = ReadAll(corrupted, false, 2 * full);

    EXPECT_TRUE(once.ended);
    // Sound from both sides of the damage, and less than the whole.
    EXPECT_GT(once.written, full / 2);
    EXPECT_LT(once.written, full);
    EXPECT_EQ(once.written % 4, 0);
}

TEST_F(OggFile, LoopingStreamWithNothingToPlayEnds) {
    const std::string silent = directory.Write("nothing.ogg", sound_testing::EncodeSamples({}, 44100, 2));
    std::vector<unsigned char> garbled = EncodeTone(Tone{.seconds = 1.0});
    // The header packets fill the first two pages; every page after them is garbled.
    const std::string capture = "OggS";
    auto page = garbled.begin();
    for (int found = 0; found < 3; ++found) {
        page = std::search(page + (found > 0 ? 1 : 0), garbled.end(), capture.begin(), capture.end());
        ASSERT_NE(page, garbled.end());
    }
    for (auto at = page; at != garbled.end(); ++at) {
        *at ^= 0x5A;
    }
    const std::string noise = directory.Write("garbled.ogg", garbled);

    const DamagedRead empty = ReadAll(silent, true, 8192);
    const DamagedRead damaged = ReadAll(noise, true, 8192);

    EXPECT_TRUE(empty.ended);
    EXPECT_EQ(empty.written, 0);
    EXPECT_TRUE(damaged.ended);
    EXPECT_LT(damaged.written, 8192);
}

}  // namespace

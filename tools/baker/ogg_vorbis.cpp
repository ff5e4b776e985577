#include "ogg_vorbis.hpp"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>

namespace baker {
namespace {

constexpr int kSerialNumber = 1;
constexpr long kBlockFrames = 4096;  // frames handed to the encoder at a time

// The encoder's state, torn down in the reverse order of its set-up.
struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;

    Encoder(int channels, int sampleRate, float quality) {
        vorbis_info_init(&info);
        if (vorbis_encode_init_vbr(&info, channels, sampleRate, quality) != 0) {
            vorbis_info_clear(&info);
            throw std::runtime_error("the Vorbis encoder refused " + std::to_string(channels) +
                                     " channels at " + std::to_string(sampleRate) + " Hz");
        }
        vorbis_comment_init(&comment);
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ogg_stream_init(&stream, kSerialNumber);
    }
    ~Encoder() {
        ogg_stream_clear(&stream);
        vorbis_block_clear(&block);
        vorbis_dsp_clear(&dsp);
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

void WritePage(std::ofstream& out, const ogg_page& page) {
    out.write(reinterpret_cast<const char*>(page.header), page.header_len);
    out.write(reinterpret_cast<const char*>(page.body), page.body_len);
}

// Moves every finished block through the encoder into pages in the file.
void Drain(Encoder& e, std::ofstream& out) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
        vorbis_analysis(&e.block, nullptr);
        vorbis_bitrate_addblock(&e.block);
        while (vorbis_bitrate_flushpacket(&e.dsp, &packet)) {
            ogg_stream_packetin(&e.stream, &packet);
            while (ogg_stream_pageout(&e.stream, &page)) WritePage(out, page);
        }
    }
}

}  // namespace

void SaveOggVorbis(const std::vector<int16_t>& samples, int channels, int sampleRate, float quality,
                   const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    if (!out)
        throw std::runtime_error("cannot write: " + path);
    Encoder e(channels, sampleRate, quality);

    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&e.dsp, &e.comment, &header, &comments, &codebooks);
    ogg_stream_packetin(&e.stream, &header);
    ogg_stream_packetin(&e.stream, &comments);
    ogg_stream_packetin(&e.stream, &codebooks);
    ogg_page page;
    // The headers end a page of their own, so audio starts on a fresh one as decoders expect.
    while (ogg_stream_flush(&e.stream, &page)) WritePage(out, page);

    const long frames = long(samples.size()) / channels;
    for (long done = 0; done < frames;) {
        const long count = std::min(kBlockFrames, frames - done);
        float** buffer = vorbis_analysis_buffer(&e.dsp, int(count));
        for (long i = 0; i < count; ++i)
            for (int c = 0; c < channels; ++c)
                buffer[c][i] = samples[size_t((done + i) * channels + c)] / 32768.0f;
        vorbis_analysis_wrote(&e.dsp, int(count));
        Drain(e, out);
        done += count;
    }
    vorbis_analysis_wrote(&e.dsp, 0);  // the end of the stream
    Drain(e, out);
    while (ogg_stream_flush(&e.stream, &page)) WritePage(out, page);
    if (!out)
        throw std::runtime_error("cannot write: " + path);
}

}  // namespace baker

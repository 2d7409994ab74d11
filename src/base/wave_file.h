// How long a wave file plays, from its header, so that a synchronous play can be bounded by the
// sound's own length even when the audio system never reports its end.
#ifndef TARVIK_BASE_WAVE_FILE_H_
#define TARVIK_BASE_WAVE_FILE_H_

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvik {

// The playing time in milliseconds of a RIFF/WAVE file of `file_size` bytes whose first bytes
// are `header` (up to and including the "data" chunk's header); nothing when the bytes are no
// wave file with a format and a data chunk. Data that the header claims beyond the end of the
// file does not count.
std::optional<long long> WaveDurationMs(std::string_view header, std::uint64_t file_size);

}  // namespace tarvik

#endif  // TARVIK_BASE_WAVE_FILE_H_

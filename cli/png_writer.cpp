#include "cli/png_writer.h"

#include <cerrno>
#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <string>

#include <png.h>

#include "output/output_error.h"

namespace {

// libpng reports errors by calling back and never returning; we jump back
// to WriteImage with the message kept here.
struct PngErrorState {
    std::jmp_buf jump;
    char message[256];
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp message)
{
    auto* state = static_cast<PngErrorState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", message);
    std::longjmp(state->jump, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// libpng's own writer says only "Write Error"; this one gives the reason the
// system gave ("No space left on device", "File too large").
void WriteToStream(png_structp png, png_bytep data, png_size_t length)
{
    auto* stream = static_cast<std::FILE*>(png_get_io_ptr(png));
    errno = 0;
    if (std::fwrite(data, 1, length, stream) != length) {
        png_error(png, std::strerror(errno != 0 ? errno : EIO));
    }
}

// The caller flushes and checks the stream once the whole file is written.
void FlushNothing(png_structp) {}

// Kept free of objects with destructors, which longjmp would skip.
bool WriteImage(std::FILE* stream, const std::uint8_t* bytes, png_uint_32 width, png_uint_32 height,
                PngErrorState& state)
{
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, OnPngError, OnPngWarning);
    if (png == nullptr) {
        std::snprintf(state.message, sizeof state.message, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        std::snprintf(state.message, sizeof state.message, "out of memory");
        return false;
    }
    if (setjmp(state.jump) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, stream, WriteToStream, FlushNothing);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    for (png_uint_32 y = 0; y < height; ++y) {
        png_write_row(png, bytes + y * stride);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

void WritePng(std::FILE* stream, const Raster& raster)
{
    PngErrorState state{};
    if (!WriteImage(stream, raster.Bytes().data(), static_cast<png_uint_32>(raster.Width()),
                    static_cast<png_uint_32>(raster.Height()), state)) {
        throw OutputError(state.message);
    }
}

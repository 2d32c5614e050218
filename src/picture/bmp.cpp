#include "picture/bmp.h"

#include "world/little_endian.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace render {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

// Little-endian fields of a byte block, every read checked against its end.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool has(std::size_t offset, std::size_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::uint32_t u16(std::size_t at) const { return world::readLittleEndian(bytes_, at, 2); }
    std::uint32_t u24(std::size_t at) const { return world::readLittleEndian(bytes_, at, 3); }
    std::uint32_t u32(std::size_t at) const { return world::readLittleEndian(bytes_, at, 4); }
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
    std::uint8_t byte(std::size_t at) const { return bytes_[at]; }

  private:
    std::span<const std::uint8_t> bytes_;
};

// Everything the pixel decoder needs from the headers.
struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::size_t pixelOffset = 0;
    std::size_t stride = 0;
    std::vector<Pixel> palette;
    std::uint32_t masks[3] = {0xff0000, 0x00ff00, 0x0000ff}; // red, green, blue of 32-bit pixels
};

// One colour channel of a 32-bit pixel through its bit mask, scaled to 8 bits.
Pixel channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!(mask >> shift & 1u))
        ++shift;
    const std::uint32_t field = mask >> shift;
    return static_cast<Pixel>((static_cast<std::uint64_t>(value >> shift & field) * 255) / field);
}

Pixel pixelAt(const Reader& in, const Layout& l, std::size_t row, int x) {
    const int bpp = l.bitsPerPixel;
    if (bpp == 24) {
        const std::size_t at = row + static_cast<std::size_t>(x) * 3;
        return in.u24(at);
    }
    if (bpp == 32) {
        const std::uint32_t v = in.u32(row + static_cast<std::size_t>(x) * 4);
        return channel(v, l.masks[0]) << 16 | channel(v, l.masks[1]) << 8 | channel(v, l.masks[2]);
    }
    const std::size_t bit = static_cast<std::size_t>(x) * bpp;
    const int shift = 8 - bpp - static_cast<int>(bit % 8);
    const std::size_t index = in.byte(row + bit / 8) >> shift & ((1u << bpp) - 1);
    return index < l.palette.size() ? l.palette[index] : kBlack;
}

struct Failure {
    const char* problem;
};

Layout readLayout(const Reader& in) {
    if (!in.has(0, kFileHeaderBytes + 4))
        throw Failure{"the file is too short to be a picture"};
    if (in.byte(0) != 'B' || in.byte(1) != 'M')
        throw Failure{"not a BMP picture (it does not start with \"BM\")"};
    Layout l;
    l.pixelOffset = in.u32(10);
    const std::uint32_t headerBytes = in.u32(kFileHeaderBytes);
    const bool core = headerBytes == kCoreHeaderBytes;
    if (!core && headerBytes < kInfoHeaderBytes)
        throw Failure{"unknown picture header"};
    if (!in.has(kFileHeaderBytes, headerBytes))
        throw Failure{"the picture header is cut short"};
    const std::size_t h = kFileHeaderBytes;
    long long width = core ? static_cast<long long>(in.u16(h + 4)) : in.i32(h + 4);
    long long height = core ? static_cast<long long>(in.u16(h + 6)) : in.i32(h + 8);
    l.bitsPerPixel = static_cast<int>(in.u16(h + (core ? 10 : 14)));
    const std::uint32_t compression = core ? kUncompressed : in.u32(h + 16);
    l.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0)
        throw Failure{"the picture has no pixels"};
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
        throw Failure{"the picture is impossibly large"};
    l.width = static_cast<int>(width);
    l.height = static_cast<int>(height);
    const int bpp = l.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        throw Failure{"unsupported number of bits per pixel"};
    if (compression != kUncompressed && !(compression == kBitFields && bpp == 32))
        throw Failure{"compressed pictures are not supported"};

    std::size_t next = h + headerBytes;
    if (compression == kBitFields) {
        // The masks follow a 40-byte header; longer headers carry them inside.
        const std::size_t at = headerBytes == kInfoHeaderBytes ? next : h + kInfoHeaderBytes;
        if (!in.has(at, 12))
            throw Failure{"the colour masks are cut short"};
        for (int c = 0; c < 3; ++c)
            l.masks[c] = in.u32(at + 4 * static_cast<std::size_t>(c));
        if (headerBytes == kInfoHeaderBytes)
            next += 12;
    }
    if (bpp <= 8) {
        const std::uint32_t used = core ? 0 : in.u32(h + 32);
        const std::size_t count = used == 0 || used > (1u << bpp) ? (1u << bpp) : used;
        const std::size_t entry = core ? 3 : 4;
        if (!in.has(next, count * entry))
            throw Failure{"the colour table is cut short"};
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = next + i * entry;
            l.palette.push_back(in.u24(at));
        }
    }
    l.stride = (static_cast<std::size_t>(l.width) * bpp + 31) / 32 * 4;
    if (!in.has(l.pixelOffset, l.stride * static_cast<std::size_t>(l.height)))
        throw Failure{"the pixel data is cut short"};
    return l;
}

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    world::appendLittleEndian(out, v, 2);
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    world::appendLittleEndian(out, v, 4);
}

} // namespace

PictureResult decodeBmp(std::span<const std::uint8_t> bytes, std::string_view name) {
    const Reader in(bytes);
    try {
        const Layout l = readLayout(in);
        Picture picture(l.width, l.height);
        for (int y = 0; y < l.height; ++y) {
            const int fileRow = l.topDown ? y : l.height - 1 - y;
            const std::size_t row = l.pixelOffset + static_cast<std::size_t>(fileRow) * l.stride;
            for (int x = 0; x < l.width; ++x)
                picture.at(x, y) = pixelAt(in, l, row, x);
        }
        return {std::move(picture), std::nullopt};
    } catch (const Failure& f) {
        return {{}, PictureError{std::string(name), f.problem}};
    }
}

PictureResult readBmp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {{}, PictureError{path, "the file cannot be opened"}};
    // A file of known size is read whole in one go; anything else (a pipe) as it comes.
    std::error_code unknown;
    const std::uintmax_t size = std::filesystem::file_size(path, unknown);
    std::vector<std::uint8_t> bytes;
    if (unknown) {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } else {
        bytes.resize(static_cast<std::size_t>(size));
        file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
        bytes.resize(static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad())
        return {{}, PictureError{path, "the file cannot be read"}};
    return decodeBmp(bytes, path);
}

std::vector<std::uint8_t> encodeBmp24(const Picture& picture) {
    const std::size_t stride = (static_cast<std::size_t>(picture.width) * 3 + 3) / 4 * 4;
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(picture.height);
    const std::uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes;
    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<std::uint32_t>(offset + pixelBytes));
    put32(out, 0);
    put32(out, offset);
    put32(out, kInfoHeaderBytes);
    put32(out, static_cast<std::uint32_t>(picture.width));
    put32(out, static_cast<std::uint32_t>(picture.height));
    put16(out, 1);  // planes
    put16(out, 24); // bits per pixel
    put32(out, kUncompressed);
    put32(out, static_cast<std::uint32_t>(pixelBytes));
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Pixel p = picture.at(x, y);
            world::appendLittleEndian(out, p, 3);
        }
        out.resize(out.size() + stride - static_cast<std::size_t>(picture.width) * 3, 0);
    }
    return out;
}

std::optional<PictureError> writeBmp24(const std::string& path, const Picture& picture) {
    const std::vector<std::uint8_t> bytes = encodeBmp24(picture);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file)
        return PictureError{path, "the file cannot be written"};
    return std::nullopt;
}

} // namespace render

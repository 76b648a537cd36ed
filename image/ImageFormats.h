#pragma once
#include <functional>
#include <string>

#include "BufferedFile.h"
#include "PictureScale.h"
#include "RasterImage.h"

namespace turnpixa {

// Readers: each fills an empty image from an open file positioned at its
// start and returns true, or returns false and leaves the image empty.
// Damaged files are refused or loaded with every pixel set; nothing reads or
// writes outside a buffer, and no reader allocates an image larger than
// RasterImage::kMaxPixels.
bool readBmp(BufferedFile& file, RasterImage& image);
bool readPng(BufferedFile& file, RasterImage& image);
bool readGif(BufferedFile& file, RasterImage& image);
// The file name decides whether libtiff's own messages are shown (".tif"
// and ".tiff" names only).
bool readTiff(BufferedFile& file, RasterImage& image, const std::string& fileName);
bool readJpeg(BufferedFile& file, RasterImage& image);
// Still WebP pictures, lossy or lossless; transparent parts come out on
// white. Animated files are refused.
bool readWebp(BufferedFile& file, RasterImage& image);

// Picks the eighths (1..8; others count as 8) for a picture's full size.
using ScaleChoice = std::function<int(int fullWidth, int fullHeight)>;

// A JPEG decoded straight at the chosen scale (libjpeg's M/8 reduction).
bool readJpegScaled(BufferedFile& file, RasterImage& image, const ScaleChoice& choose,
                    PictureScale& scale);

// What a load found out, in words for the user.
struct LoadNotes {
    std::string
        reason;  // refused: not a picture / damaged / too large (and the limit) / unreadable
    std::string damage;  // taken, but only in part: what the reader found; empty for a whole photo
};

// Tries BMP, PNG, GIF, TIFF, JPEG and WebP in that order, rewinding before each,
// whatever the file's name says. False when no reader takes the file. With
// notes, the readers' messages are gathered there instead of reported.
bool loadPhoto(BufferedFile& file, const std::string& fileName, RasterImage& image,
               LoadNotes* notes = nullptr);
// Opens the file (64 KB buffer) and loads it; reason names why it failed.
// A photo taken in part loads (true) with damage saying what was wrong;
// without a damage pointer that is reported, naming the file.
bool loadPhotoFile(const std::string& path, RasterImage& image, std::string* reason = nullptr,
                   std::string* damage = nullptr);
// The same at a chosen scale: JPEG decodes at it, other formats are decoded
// whole and reduced to it.
bool loadPhotoFileScaled(const std::string& path, const ScaleChoice& choose, RasterImage& image,
                         PictureScale& scale, std::string* reason = nullptr,
                         std::string* damage = nullptr);

// Writers: write the whole image into a file opened for writing and leave it
// open. JPEG at quality 75 unless told (one channel for grey palette images); PNG with a
// "Software" text chunk and pHYs, and an alpha channel when the image has one. False on a library
// or file error, which is also reported through the report hook. Huffman tables are optimised for
// each image, and of the sequential and the progressive coding of the same coefficients the smaller
// file is written: the decoded pixels are those of a plain baseline file either way.
bool writeJpeg(const RasterImage& image, BufferedFile& file);
// The same at another quality, 1 to 100 (turnpixa-cli --quality).
bool writeJpegAtQuality(const RasterImage& image, BufferedFile& file, int quality);
// How a JPEG is coded; the pixels depend on the quality only.
enum class JpegCoding { Smallest, Plain, Optimised, Progressive };
// Plain is libjpeg's default baseline with standard tables, for comparisons.
bool writeJpegCoded(const RasterImage& image, BufferedFile& file, int quality, JpegCoding coding);
// Lossy WebP at a quality of 1 to 100 (method 4); with the image's alpha
// plane when it has one.
bool writeWebp(const RasterImage& image, BufferedFile& file, int quality);
// The WebP quality whose frames look at least as close to the rendered
// frame as JPEG frames at quality 75 do, at about half their size.
inline constexpr int kDefaultWebpQuality = 60;
bool writePng(const RasterImage& image, BufferedFile& file);
// Threads a 24-bit PNG is deflated on (1 or 2; 1 until set). A batch that
// writes many frames sets 2; the default starts no thread, so that no
// library thread running beside a write (a scanner's) meets one of ours.
void setPngEncodeThreads(int threads);
int pngEncodeThreads();
// Deflates on two threads while it lives: a whole set of frames is written.
class PngEncodeThreadsForBatch {
public:
    PngEncodeThreadsForBatch() : before_(pngEncodeThreads()) { setPngEncodeThreads(2); }
    ~PngEncodeThreadsForBatch() { setPngEncodeThreads(before_); }
    PngEncodeThreadsForBatch(const PngEncodeThreadsForBatch&) = delete;
    PngEncodeThreadsForBatch& operator=(const PngEncodeThreadsForBatch&) = delete;

private:
    int before_;
};

}  // namespace turnpixa

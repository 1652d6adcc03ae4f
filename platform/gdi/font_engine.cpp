// FreeType and fontconfig behind the Font interface: face lookup, Windows-style metrics from the
// TrueType tables, and a per-font cache of rendered glyphs indexed by Windows-1252 byte.
#include "gdi/font_engine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "gdi/face_cache.h"
#include "gdi/fontconfig_api.h"
#include "resource/cp1252.h"

namespace plat {

namespace {

// ---- libraries ----

// FreeType's library outlives every face opened from it: fonts hold a reference.
struct FtLibrary {
    FT_Library lib = nullptr;
    FtLibrary() {
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    }
    ~FtLibrary() {
        if (lib) FT_Done_FreeType(lib);
    }
    FtLibrary(const FtLibrary&) = delete;
    FtLibrary& operator=(const FtLibrary&) = delete;
};

struct Libraries {
    std::shared_ptr<FtLibrary> ft = std::make_shared<FtLibrary>();
    // fontconfig is opened only for a question the cache cannot answer.
    bool fcTried = false, fc = false;
    FaceCache faces{face_cache_path(), fontconfig_stamp()};
    std::map<std::string, std::shared_ptr<Font>> stock;
};

std::mutex g_mutex;
Libraries* g_libs = nullptr;

Libraries& libs() {
    if (!g_libs) g_libs = new Libraries();
    return *g_libs;
}

// ---- face lookup ----

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Asks fontconfig for the installed face closest to family, weight and slant.
FaceFile ask_fontconfig(Libraries& l, const FaceQuery& q) {
    FaceFile out;
    const FontconfigApi* fc = fontconfig_api();
    if (!l.fcTried) {
        l.fcTried = true;
        l.fc = fc && fc->init() == FcTrue;
    }
    if (!l.fc) return out;
    FcPattern* pat = fc->patternCreate();
    fc->addString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(q.family.c_str()));
    fc->addInteger(pat, FC_WEIGHT, q.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    fc->addInteger(pat, FC_SLANT, q.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    fc->addBool(pat, FC_SCALABLE, FcTrue);
    fc->configSubstitute(nullptr, pat, FcMatchPattern);
    fc->defaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = fc->fontMatch(nullptr, pat, &result);
    if (match) {
        FcChar8* file = nullptr;
        FcChar8* fam = nullptr;
        int index = 0;
        if (fc->getString(match, FC_FILE, 0, &file) == FcResultMatch)
            out.path = reinterpret_cast<const char*>(file);
        if (fc->getInteger(match, FC_INDEX, 0, &index) == FcResultMatch) out.index = index;
        if (fc->getString(match, FC_FAMILY, 0, &fam) == FcResultMatch)
            out.family = reinterpret_cast<const char*>(fam);
        fc->patternDestroy(match);
    }
    fc->patternDestroy(pat);
    if (!out.path.empty()) l.faces.remember(q, out, fontconfig_stamp());
    return out;
}

FaceFile find_face(Libraries& l, const FaceQuery& q) {
    if (std::optional<FaceFile> known = l.faces.find(q)) return *known;
    return ask_fontconfig(l, q);
}

// ---- metrics ----

LONG scaled(double units, double scale) {
    return static_cast<LONG>(std::lround(units * scale));
}

class FreeTypeFont final : public Font {
public:
    FreeTypeFont(std::shared_ptr<FtLibrary> lib, FT_Face face, const LOGFONTA& desc,
                 std::string file, std::string family)
        : lib_(std::move(lib)), face_(face), file_(std::move(file)), family_(std::move(family)) {
        setup(desc);
    }
    ~FreeTypeFont() override { FT_Done_Face(face_); }

    const TEXTMETRICA& metrics() const override { return tm_; }
    const std::string& file() const override { return file_; }
    const std::string& family() const override { return family_; }

    int advance(unsigned char c) override { return glyph(c).advance_x; }

    SIZE extent(std::string_view text) override {
        LONG w = 0;
        for (char c : text)
            w += glyph(static_cast<unsigned char>(c)).advance_x;
        return SIZE{w, text.empty() ? 0 : tm_.tmHeight};
    }

    POINT draw(Painter& painter, int x, int y, std::string_view text, Pixel color) override;

private:
    struct Glyph {
        bool loaded = false;
        int advance_x = 0, advance_y = 0; // pixels, y down
        int left = 0, top = 0;            // bitmap origin relative to the pen (top: up)
        int width = 0, rows = 0;
        std::vector<std::uint8_t> coverage;
        // Per row, the columns [first, last) that have any coverage, so drawing skips the rest.
        std::vector<std::uint16_t> first, last;
    };

    void setup(const LOGFONTA& desc);
    Glyph& glyph(unsigned char c);

    std::shared_ptr<FtLibrary> lib_;
    FT_Face face_;
    std::string file_, family_;
    TEXTMETRICA tm_{};
    bool rotated_ = false;
    std::array<Glyph, 256> cache_{};
};

void FreeTypeFont::setup(const LOGFONTA& desc) {
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const TT_HoriHeader* hhea =
        static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
    const double upem = face_->units_per_EM ? face_->units_per_EM : 2048;
    double win_ascent = face_->ascender, win_descent = -face_->descender;
    double avg_width = 0, line_gap = 0;
    if (os2 && os2->version != 0xFFFF) {
        win_ascent = os2->usWinAscent;
        win_descent = os2->usWinDescent;
        avg_width = os2->xAvgCharWidth;
    }
    double hhea_ascent = face_->ascender, hhea_descent = -face_->descender;
    if (hhea) {
        hhea_ascent = hhea->Ascender;
        hhea_descent = -hhea->Descender;
        line_gap = hhea->Line_Gap;
    }
    // Negative heights give the em size, positive ones the cell height (ascent + descent).
    LONG height = desc.lfHeight == 0 ? -12 : desc.lfHeight;
    double ppem = height < 0 ? -height : height * upem / (win_ascent + win_descent);
    ppem = std::max(ppem, 1.0);
    const double scale = ppem / upem;
    double ppem_x = ppem;
    if (desc.lfWidth > 0 && avg_width > 0) ppem_x = desc.lfWidth / (avg_width * scale) * ppem;
    FT_Set_Char_Size(face_, static_cast<FT_F26Dot6>(std::lround(ppem_x * 64)),
                     static_cast<FT_F26Dot6>(std::lround(ppem * 64)), 72, 72);
    if (desc.lfEscapement % 3600 != 0) {
        const double a = desc.lfEscapement / 10.0 * M_PI / 180.0;
        FT_Matrix m{static_cast<FT_Fixed>(std::lround(std::cos(a) * 65536)),
                    static_cast<FT_Fixed>(std::lround(-std::sin(a) * 65536)),
                    static_cast<FT_Fixed>(std::lround(std::sin(a) * 65536)),
                    static_cast<FT_Fixed>(std::lround(std::cos(a) * 65536))};
        FT_Set_Transform(face_, &m, nullptr);
        rotated_ = true;
    }
    const double scale_x = ppem_x / upem;
    tm_.tmAscent = scaled(win_ascent, scale);
    tm_.tmDescent = scaled(win_descent, scale);
    tm_.tmHeight = tm_.tmAscent + tm_.tmDescent;
    tm_.tmInternalLeading = tm_.tmHeight - static_cast<LONG>(std::lround(ppem));
    const double external = line_gap - ((win_ascent + win_descent) - (hhea_ascent + hhea_descent));
    tm_.tmExternalLeading = std::max<LONG>(0, scaled(external, scale));
    tm_.tmAveCharWidth = avg_width > 0 ? scaled(avg_width, scale_x) : scaled(upem / 2, scale_x);
    tm_.tmMaxCharWidth = scaled(static_cast<double>(face_->bbox.xMax - face_->bbox.xMin), scale_x);
    tm_.tmWeight = desc.lfWeight == FW_DONTCARE ? FW_NORMAL : desc.lfWeight;
    if (face_->style_flags & FT_STYLE_FLAG_BOLD) tm_.tmWeight = std::max(tm_.tmWeight, FW_BOLD);
    tm_.tmDigitizedAspectX = tm_.tmDigitizedAspectY = 96;
    tm_.tmFirstChar = 0x20;
    tm_.tmLastChar = 0xFF;
    tm_.tmDefaultChar = 0x1F;
    tm_.tmBreakChar = 0x20;
    tm_.tmItalic = (face_->style_flags & FT_STYLE_FLAG_ITALIC) || desc.lfItalic ? 1 : 0;
    tm_.tmUnderlined = desc.lfUnderline;
    tm_.tmStruckOut = desc.lfStrikeOut;
    // The low bit of tmPitchAndFamily is set for variable pitch, as on the original platform.
    const bool fixed = FT_IS_FIXED_WIDTH(face_);
    BYTE family = desc.lfPitchAndFamily & 0xF0;
    if (family == FF_DONTCARE) family = fixed ? FF_MODERN : FF_SWISS;
    tm_.tmPitchAndFamily =
        static_cast<BYTE>(family | TMPF_TRUETYPE | TMPF_VECTOR | (fixed ? 0 : TMPF_FIXED_PITCH));
    tm_.tmCharSet = ANSI_CHARSET;
}

FreeTypeFont::Glyph& FreeTypeFont::glyph(unsigned char c) {
    Glyph& g = cache_[c];
    if (g.loaded) return g;
    g.loaded = true;
    const char16_t u = cp1252_to_utf16(static_cast<char>(c));
    FT_UInt index = FT_Get_Char_Index(face_, u);
    if (index == 0 && face_->charmap && face_->charmap->encoding == FT_ENCODING_MS_SYMBOL)
        index = FT_Get_Char_Index(face_, 0xF000 + c); // symbol fonts map bytes into 0xF0xx
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT) != 0) return g;
    FT_GlyphSlot slot = face_->glyph;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return g;
    g.advance_x = static_cast<int>((slot->advance.x + 32) >> 6);
    g.advance_y = rotated_ ? -static_cast<int>((slot->advance.y + 32) >> 6) : 0;
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.rows = static_cast<int>(bm.rows);
    g.coverage.resize(static_cast<std::size_t>(g.width) * g.rows);
    for (int r = 0; r < g.rows; ++r) {
        const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(r) * bm.pitch;
        std::memcpy(g.coverage.data() + static_cast<std::size_t>(r) * g.width, src,
                    static_cast<std::size_t>(g.width));
    }
    g.first.assign(static_cast<std::size_t>(g.rows), 0);
    g.last.assign(static_cast<std::size_t>(g.rows), 0);
    for (int r = 0; r < g.rows; ++r) {
        const std::uint8_t* row = g.coverage.data() + static_cast<std::size_t>(r) * g.width;
        int a = 0, b = g.width;
        while (a < b && row[a] == 0)
            ++a;
        while (b > a && row[b - 1] == 0)
            --b;
        g.first[r] = static_cast<std::uint16_t>(a);
        g.last[r] = static_cast<std::uint16_t>(b);
    }
    return g;
}

// c * a + d * (255 - a) per channel, with a scaled to 0..256 (exact for 0 and 255).
inline Pixel blend(Pixel d, Pixel c, unsigned a) {
    const unsigned w = a + (a >> 7), nw = 256 - w;
    const std::uint32_t rb = ((c & 0xFF00FF) * w + (d & 0xFF00FF) * nw) >> 8;
    const std::uint32_t g = ((c & 0x00FF00) * w + (d & 0x00FF00) * nw) >> 8;
    return (rb & 0xFF00FF) | (g & 0x00FF00);
}

// Blends color over row[from, to) with coverage cov (indexed like row).
inline void blend_span(Pixel* __restrict row, const std::uint8_t* __restrict cov, int from, int to,
                       Pixel color) {
    int px = from;
#if defined(__SSE2__)
    // Two pixels at a time in 16-bit lanes: (c * w + d * (256 - w)) >> 8 fits each lane.
    const __m128i zero = _mm_setzero_si128();
    const __m128i c16 = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(color)), zero);
    const __m128i full = _mm_set1_epi16(256);
    for (; px + 2 <= to; px += 2) {
        const unsigned a0 = cov[px], a1 = cov[px + 1];
        if ((a0 | a1) == 0) continue;
        const short w0 = static_cast<short>(a0 + (a0 >> 7)),
                    w1 = static_cast<short>(a1 + (a1 >> 7));
        const __m128i w = _mm_set_epi16(w1, w1, w1, w1, w0, w0, w0, w0);
        const __m128i d =
            _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + px)), zero);
        const __m128i sum =
            _mm_add_epi16(_mm_mullo_epi16(c16, w), _mm_mullo_epi16(d, _mm_sub_epi16(full, w)));
        const __m128i out = _mm_packus_epi16(_mm_srli_epi16(sum, 8), zero);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(row + px), out);
    }
#endif
    for (; px < to; ++px)
        row[px] = blend(row[px], color, cov[px]);
}

POINT FreeTypeFont::draw(Painter& painter, int x, int y, std::string_view text, Pixel color) {
    color &= 0xFFFFFF;
    const POINT o = painter.state().origin;
    const std::span<const RECT> clip = painter.clip_rects();
    Surface& s = painter.target();
    int pen_x = x + o.x, pen_y = y + o.y;
    const int start_x = pen_x, start_y = pen_y;
    RECT written{0, 0, 0, 0};
    for (char ch : text) {
        const Glyph& g = glyph(static_cast<unsigned char>(ch));
        if (g.width > 0 && g.rows > 0) {
            const RECT box{pen_x + g.left, pen_y - g.top, pen_x + g.left + g.width,
                           pen_y - g.top + g.rows};
            for (const RECT& c : clip) {
                const RECT i{std::max(box.left, c.left), std::max(box.top, c.top),
                             std::min(box.right, c.right), std::min(box.bottom, c.bottom)};
                if (i.left >= i.right || i.top >= i.bottom) continue;
                written = rect_empty(written)
                              ? i
                              : RECT{std::min(written.left, i.left), std::min(written.top, i.top),
                                     std::max(written.right, i.right),
                                     std::max(written.bottom, i.bottom)};
                for (int py = i.top; py < i.bottom; ++py) {
                    const int gr = py - box.top;
                    // Coverage bytes and pixels never overlap: let the loop be vectorised.
                    const std::uint8_t* __restrict cov =
                        g.coverage.data() + static_cast<std::size_t>(gr) * g.width - box.left;
                    Pixel* __restrict row = s.row(py);
                    const int from = std::max<int>(i.left, box.left + g.first[gr]);
                    const int to = std::min<int>(i.right, box.left + g.last[gr]);
                    blend_span(row, cov, from, to, color);
                }
            }
        }
        pen_x += g.advance_x;
        pen_y += g.advance_y;
    }
    painter.report(written);
    return POINT{pen_x - start_x, pen_y - start_y};
}

// Faces are read through a file stream rather than mapped whole: only the tables FreeType keeps
// and the glyphs drawn take memory, not every page of the file near one that was read.
unsigned long read_face_file(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                             unsigned long count) {
    if (count == 0) return offset > stream->size ? 1 : 0; // a seek: non-zero is an error
    const int fd = static_cast<int>(stream->descriptor.value);
    unsigned long done = 0;
    while (done < count) {
        const ssize_t n =
            ::pread(fd, buffer + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<unsigned long>(n);
    }
    return done;
}

void close_face_file(FT_Stream stream) {
    ::close(static_cast<int>(stream->descriptor.value));
    delete stream;
}

FT_Error open_face(FT_Library lib, const std::string& path, int index, FT_Face* face) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return FT_Err_Cannot_Open_Resource;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size <= 0) {
        ::close(fd);
        return FT_Err_Cannot_Open_Resource;
    }
    auto* stream = new FT_StreamRec{};
    stream->size = static_cast<unsigned long>(st.st_size);
    stream->descriptor.value = fd;
    stream->read = read_face_file;
    stream->close = close_face_file; // FreeType calls it when the face goes, or opening fails
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = stream;
    return FT_Open_Face(lib, &args, index, face);
}

std::shared_ptr<Font> open_font(const LOGFONTA& desc) {
    Libraries& l = libs();
    if (!l.ft->lib) return nullptr;
    const std::string face_name(desc.lfFaceName, strnlen(desc.lfFaceName, LF_FACESIZE));
    const FaceQuery query{resolve_family(face_name, desc.lfPitchAndFamily),
                          desc.lfWeight >= FW_SEMIBOLD, desc.lfItalic != 0};
    FaceFile file = find_face(l, query);
    FT_Face face = nullptr;
    if (file.path.empty()) return nullptr;
    if (open_face(l.ft->lib, file.path, file.index, &face) != 0) {
        // A remembered face that is gone: fontconfig is asked again.
        l.faces.forget(query);
        file = ask_fontconfig(l, query);
        if (file.path.empty() || open_face(l.ft->lib, file.path, file.index, &face) != 0)
            return nullptr;
    }
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    return std::make_shared<FreeTypeFont>(l.ft, face, desc, file.path, file.family);
}

LOGFONTA logfont(LONG height, LONG weight, const char* face) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

} // namespace

std::string resolve_family(std::string_view face, BYTE pitch_and_family) {
    struct Alias {
        const char* face;
        const char* family;
    };
    // Metric-compatible replacements first; the symbol faces go to a face with wide coverage.
    static constexpr std::array<Alias, 12> kAliases{{
        {"courier new", "Liberation Mono"},
        {"courier", "Liberation Mono"},
        {"fixedsys", "Liberation Mono"},
        {"terminal", "Liberation Mono"},
        {"arial", "Liberation Sans"},
        {"helvetica", "Liberation Sans"},
        {"ms sans serif", "Liberation Sans"},
        {"ms shell dlg", "Liberation Sans"},
        {"system", "Liberation Sans"},
        {"times new roman", "Liberation Serif"},
        {"symbol", "DejaVu Sans"},
        {"wingdings", "DejaVu Sans"},
    }};
    const std::string key = lower(face);
    for (const Alias& a : kAliases)
        if (key == a.face) return a.family;
    if (!key.empty()) return std::string(face);
    if ((pitch_and_family & 0x03) == FIXED_PITCH || (pitch_and_family & 0xF0) == FF_MODERN)
        return "Liberation Mono";
    if ((pitch_and_family & 0xF0) == FF_ROMAN) return "Liberation Serif";
    return "Liberation Sans";
}

std::shared_ptr<Font> create_font(const LOGFONTA& desc) {
    std::lock_guard lock(g_mutex);
    return open_font(desc);
}

std::shared_ptr<Font> stock_font(StockFont which) {
    std::lock_guard lock(g_mutex);
    LOGFONTA lf{};
    const char* key = "";
    switch (which) {
    case StockFont::system:
        lf = logfont(16, FW_BOLD, "Liberation Sans"); // a 16-pixel cell, as the system font
        key = "system";
        break;
    case StockFont::system_fixed:
        lf = logfont(16, FW_NORMAL, "Liberation Mono");
        key = "fixed";
        break;
    case StockFont::ansi_var:
        lf = logfont(-12, FW_NORMAL, "Liberation Sans");
        key = "ansi_var";
        break;
    case StockFont::dialog:
        lf = logfont(-11, FW_NORMAL, "Liberation Sans"); // 8 points at 96 dots per inch
        key = "dialog";
        break;
    }
    auto& cache = libs().stock;
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    auto font = open_font(lf);
    if (font) cache.emplace(key, font);
    return font;
}

void shutdown_fonts() {
    std::lock_guard lock(g_mutex);
    if (!g_libs) return;
    g_libs->stock.clear();
    // Fonts still held by callers keep FreeType alive; fontconfig is only needed to open them.
    if (g_libs->fc) fontconfig_api()->fini();
    delete g_libs;
    g_libs = nullptr;
}

} // namespace plat

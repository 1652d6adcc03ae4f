#include "result_file.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <istream>
#include <optional>
#include <system_error>

#include "number_text.h"

namespace formaldrix {

namespace fs = std::filesystem;

std::string_view file_error_text(FileError error) {
    switch (error) {
    case FileError::None:
        return {};
    case FileError::CannotOpen:
        return "Die Datei kann nicht ge\xF6"
               "ffnet werden.";
    case FileError::CannotRead:
        return "Die Datei kann nicht gelesen werden.";
    case FileError::TooFewNumbers:
        return "Die Datei enth\xE4lt weniger als 20 Zahlen.";
    case FileError::NotANumber:
        return "Die Datei enth\xE4lt einen Text, der keine Zahl ist.";
    case FileError::CannotWrite:
        return "Die Datei kann nicht geschrieben werden.";
    }
    return {};
}

std::string real16(double v) {
    char buffer[400]; // wide enough for any double in fixed notation
    if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : (v < 0 ? "-Infinity" : "Infinity");
    std::snprintf(buffer, sizeof buffer, "%.15E", v);
    // The decimal exponent after rounding to 16 digits decides the form: 9.99...96 that rounds
    // to 10.00... counts as 10.
    const int exponent = std::atoi(std::strchr(buffer, 'E') + 1);
    if (v == 0.0 || exponent < -1 || exponent > 15) return buffer;
    const int decimals = 15 - exponent;
    std::snprintf(buffer, sizeof buffer, decimals > 0 ? "%.*f" : "%.*f.", decimals, v);
    return buffer;
}

std::string result_file_text(const Points& xs, const Points& ys) {
    std::string text;
    for (int i = 1; i <= PointCount; ++i) {
        text += ' ';
        text += real16(xs[i]);
        text += ' ';
        text += real16(ys[i]);
        text += '\n';
    }
    return text;
}

namespace {

// Values of a list-directed read, line by line.
class ValueReader {
public:
    explicit ValueReader(std::istream& in) : in_(in) {}

    // The next value, going on to the following lines while the current one has none left.
    FileError next(double& value) {
        for (;;) {
            while (pos_ < line_.size() && line_[pos_] == ' ')
                ++pos_;
            if (pos_ < line_.size()) break;
            if (FileError e = next_line(); e != FileError::None) return e;
        }
        // A comma where a value should be would stand for a missing value.
        if (line_[pos_] == ',') return FileError::NotANumber;
        const auto scanned = scan_real(std::string_view(line_).substr(pos_));
        if (!scanned) return FileError::NotANumber;
        value = scanned->value;
        pos_ += scanned->end;
        while (pos_ < line_.size() && line_[pos_] == ' ')
            ++pos_;
        if (pos_ < line_.size() && line_[pos_] == ',') ++pos_;
        return FileError::None;
    }

    // The rest of the current line is skipped: the next read starts on a new line.
    void end_record() { pos_ = line_.size(); }

private:
    FileError next_line() {
        if (!std::getline(in_, line_))
            return in_.bad() ? FileError::CannotRead : FileError::TooFewNumbers;
        if (!line_.empty() && line_.back() == '\r') line_.pop_back();
        pos_ = 0;
        return FileError::None;
    }

    std::istream& in_;
    std::string line_;
    std::size_t pos_ = 0;
};

} // namespace

FileError read_results(std::istream& in, Points& xs, Points& ys) {
    ValueReader reader(in);
    Points x = xs, y = ys;
    for (int i = 1; i <= PointCount; ++i) {
        if (FileError e = reader.next(x[i]); e != FileError::None) return e;
        if (FileError e = reader.next(y[i]); e != FileError::None) return e;
        reader.end_record();
    }
    xs = x;
    ys = y;
    return FileError::None;
}

FileError load_results(const fs::path& file, Points& xs, Points& ys) {
    std::error_code ec;
    if (fs::is_directory(file, ec)) return FileError::CannotOpen;
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) return FileError::CannotOpen;
    return read_results(in, xs, ys);
}

namespace {

// A new file beside target that no one else has opened; nullptr when none can be made.
std::FILE* create_beside(const fs::path& target, fs::path& made) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string stem = ".";
    stem += target.filename().string();
    stem += ".tmp";
    for (int k = 0; k < 100; ++k) {
        made = dir / stem;
        made += std::to_string(k);
        if (std::FILE* f = std::fopen(made.c_str(), "wx")) return f;
        if (errno != EEXIST) break;
    }
    return nullptr;
}

} // namespace

FileError save_results(const fs::path& file, const Points& xs, const Points& ys) {
    const std::string text = result_file_text(xs, ys);
    fs::path temp;
    std::FILE* f = create_beside(file, temp);
    if (!f) return FileError::CannotWrite;
    bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    written = std::fflush(f) == 0 && written;
    written = std::fclose(f) == 0 && written;
    std::error_code ec;
    // A file written over keeps its permissions.
    if (const auto old = fs::status(file, ec); written && !ec && fs::exists(old))
        fs::permissions(temp, old.permissions(), ec);
    if (written) {
        fs::rename(temp, file, ec);
        written = !ec;
    }
    if (!written) {
        fs::remove(temp, ec);
        return FileError::CannotWrite;
    }
    return FileError::None;
}

} // namespace formaldrix

// Text arguments of the toolkit: fixed-length, blank-padded buffers whose length travels with
// them. TextRef is the one non-owning view every routine takes; FixedString<N> is the buffer
// applications declare for their variables.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tess {

template <std::size_t N> class FixedString;

class TextRef {
public:
    TextRef() = default;
    TextRef(char* data, std::size_t length) : data_(data), length_(length), writable_(true) {}
    TextRef(const char* data, std::size_t length)
        : data_(const_cast<char*>(data)), length_(length) {}

    // A string literal is an input text of its characters, without the terminator.
    template <std::size_t N>
    TextRef(const char (&literal)[N]) : TextRef(static_cast<const char*>(literal), N - 1) {}
    // A character array is a buffer of its whole declared length.
    template <std::size_t N> TextRef(char (&buffer)[N]) : TextRef(buffer, N) {}

    TextRef(std::string& s) : TextRef(s.data(), s.size()) {}
    TextRef(const std::string& s) : TextRef(s.data(), s.size()) {}
    TextRef(std::string_view s) : TextRef(s.data(), s.size()) {}
    template <std::size_t N> TextRef(FixedString<N>& s) : TextRef(s.data(), N) {}
    template <std::size_t N> TextRef(const FixedString<N>& s) : TextRef(s.data(), N) {}

    std::size_t size() const { return length_; }
    bool writable() const { return writable_; }
    const char* data() const { return data_; }
    // nullptr for an input-only text: callers that write must check.
    char* mutable_data() const { return writable_ ? data_ : nullptr; }

    char operator[](std::size_t i) const { return data_[i]; }
    std::string_view view() const { return {data_, length_}; }

    // The text without its trailing blanks: what the platform is handed.
    std::string_view trimmed() const {
        std::size_t n = length_;
        while (n > 0 && data_[n - 1] == ' ') --n;
        return {data_, n};
    }
    std::string str() const { return std::string(trimmed()); }

    // Fills the buffer with the text, blank-padded; a longer text is cut. Input-only texts are
    // left alone.
    void assign(std::string_view text) const {
        if (!writable_) return;
        const std::size_t n = std::min(text.size(), length_);
        std::copy_n(text.data(), n, data_);
        std::fill(data_ + n, data_ + length_, ' ');
    }
    void set(std::size_t i, char c) const {
        if (writable_ && i < length_) data_[i] = c;
    }

private:
    char* data_ = nullptr;
    std::size_t length_ = 0;
    bool writable_ = false;
};

template <std::size_t N> class FixedString {
public:
    FixedString() { chars_.fill(' '); }
    FixedString(std::string_view text) : FixedString() { TextRef(*this).assign(text); }

    static constexpr std::size_t size() { return N; }
    char* data() { return chars_.data(); }
    const char* data() const { return chars_.data(); }
    char& operator[](std::size_t i) { return chars_[i]; }
    char operator[](std::size_t i) const { return chars_[i]; }

    FixedString& operator=(std::string_view text) {
        TextRef(*this).assign(text);
        return *this;
    }
    std::string_view view() const { return {chars_.data(), N}; }
    std::string_view trimmed() const { return TextRef(*this).trimmed(); }
    std::string str() const { return std::string(trimmed()); }

    // Trailing blanks carry no meaning, so equality ignores them.
    friend bool operator==(const FixedString& a, std::string_view b) {
        return a.trimmed() == TextRef(b).trimmed();
    }

private:
    std::array<char, N> chars_;
};

} // namespace tess

// A picture reference as the logic sees it. Nothing in the logic decodes an
// image: it copies references, and the front end turns them into bitmaps.
#pragma once

#include <cstdint>
#include <string>

namespace orvela::forms {

struct Picture {
    enum class Kind { None, Artwork, File, Icon };

    Kind kind = Kind::None;
    std::string source; // artwork file name, file path, or the icon's source path
    // An icon picture made by the platform (its picture handle), 0 for none:
    // the front end draws that icon; source says where it came from.
    std::uintptr_t handle = 0;

    static Picture artwork(std::string name) { return {Kind::Artwork, std::move(name)}; }
    static Picture file(std::string path) { return {Kind::File, std::move(path)}; }
    static Picture icon(std::string sourcePath) { return {Kind::Icon, std::move(sourcePath)}; }
    static Picture platformIcon(std::uintptr_t handle, std::string sourcePath) {
        return {Kind::Icon, std::move(sourcePath), handle};
    }

    bool isNone() const { return kind == Kind::None; }

    // "Fon1024.jpg", a file path, "icon:" + path, or "" for no picture.
    std::string describe() const {
        switch (kind) {
        case Kind::None:
            return {};
        case Kind::Icon:
            return "icon:" + source;
        default:
            return source;
        }
    }

    bool operator==(const Picture&) const = default;
};

} // namespace orvela::forms

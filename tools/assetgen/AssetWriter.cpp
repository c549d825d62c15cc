#include "AssetWriter.h"

#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

AssetWriter::AssetWriter(std::string dataDir) : root(std::move(dataDir)) {}

std::string AssetWriter::Prepare(const std::string& rel) {
    const std::filesystem::path path = std::filesystem::path(root) / rel;
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) errors.push_back("cannot create folder for " + path.string());
    return path.string();
}

bool AssetWriter::WritePngFile(const Canvas& canvas, const std::string& path) {
    const std::vector<uint8_t> rgba = canvas.ToRgba();
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.Width());
    image.height = static_cast<png_uint_32>(canvas.Height());
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr)) {
        errors.push_back("cannot write " + path + ": " + image.message);
        return false;
    }
    return true;
}

void AssetWriter::Png(const Canvas& canvas, const std::string& rel) {
    if (WritePngFile(canvas, Prepare(rel))) {
        inventory.push_back("Data/" + rel + " image " + std::to_string(canvas.Width()) + "x" +
                            std::to_string(canvas.Height()));
    }
}

void AssetWriter::Strip(const Canvas& canvas, const std::string& rel, int cellW, int cellH,
                        int frames) {
    if (canvas.Width() % cellW != 0 || canvas.Height() % cellH != 0 ||
        (canvas.Width() / cellW) * (canvas.Height() / cellH) < frames) {
        errors.push_back("strip " + rel + " does not fit its cells");
        return;
    }
    if (WritePngFile(canvas, Prepare(rel))) {
        inventory.push_back("Data/" + rel + " strip " + std::to_string(cellW) + "x" +
                            std::to_string(cellH) + "x" + std::to_string(frames));
    }
}

void AssetWriter::Jpeg(const Canvas& canvas, const std::string& rel, int quality) {
    const std::string path = Prepare(rel);
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!f) {
        errors.push_back("cannot write " + path);
        return;
    }
    const std::vector<uint8_t> rgba = canvas.ToRgba();
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, f.get());
    info.image_width = static_cast<JDIMENSION>(canvas.Width());
    info.image_height = static_cast<JDIMENSION>(canvas.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(canvas.Width()) * 3);
    while (info.next_scanline < info.image_height) {
        const uint8_t* src =
            rgba.data() + static_cast<size_t>(info.next_scanline) * canvas.Width() * 4;
        for (int x = 0; x < canvas.Width(); ++x) {
            row[x * 3] = src[x * 4];
            row[x * 3 + 1] = src[x * 4 + 1];
            row[x * 3 + 2] = src[x * 4 + 2];
        }
        unsigned char* rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    inventory.push_back("Data/" + rel + " image " + std::to_string(canvas.Width()) + "x" +
                        std::to_string(canvas.Height()));
}

void AssetWriter::Trimmed(const Canvas& canvas, const std::string& rel) {
    int x = 0, y = 0, w = canvas.Width(), h = canvas.Height();
    if (!canvas.OpaqueBounds(0, x, y, w, h)) {
        x = y = 0;
        w = h = 1;
    }
    const Canvas part = canvas.Crop(x, y, w, h);
    if (WritePngFile(part, Prepare(rel))) {
        inventory.push_back("Data/" + rel + " image " + std::to_string(w) + "x" +
                            std::to_string(h) + " trimmed from " + std::to_string(canvas.Width()) +
                            "x" + std::to_string(canvas.Height()) + " at " + std::to_string(x) +
                            "," + std::to_string(y));
        // The name keeps its folder under the image folder and its extension.
        const std::string prefix = "graphics/";
        const std::string name = rel.rfind(prefix, 0) == 0 ? rel.substr(prefix.size()) : rel;
        trimLines.push_back(name + "=" + std::to_string(x) + "," + std::to_string(y) + "," +
                            std::to_string(canvas.Width()) + "," + std::to_string(canvas.Height()));
    }
}

void AssetWriter::WriteTextFile(const std::string& rel, const std::string& text) {
    const std::string path = Prepare(rel);
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) errors.push_back("cannot write " + path);
}

void AssetWriter::Font(const std::string& fntText, const Canvas& atlas, const std::string& rel) {
    WriteTextFile(rel + ".fnt", fntText);
    if (WritePngFile(atlas, Prepare(rel + ".png"))) {
        inventory.push_back("Data/" + rel + ".fnt font atlas " + std::to_string(atlas.Width()) +
                            "x" + std::to_string(atlas.Height()));
        inventory.push_back("Data/" + rel + ".png image " + std::to_string(atlas.Width()) + "x" +
                            std::to_string(atlas.Height()));
    }
}

void AssetWriter::TrimFile(const std::string& rel) {
    std::string text = "[offsets]\n";
    for (const std::string& line : trimLines) text += line + "\n";
    WriteTextFile(rel, text);
    inventory.push_back("Data/" + rel + " data trim offsets");
}

#include "commands/cl_pieces.h"

namespace workbench {

std::wstring joined_path(std::wstring_view folder, std::wstring_view name) {
    std::wstring path(folder);
    path += L'\\';
    path += name;
    return path;
}

std::wstring file_in_folder(std::wstring_view folder, std::wstring_view name) {
    if (!folder.ends_with(L'\\') && !folder.ends_with(L'/')) return joined_path(folder, name);
    std::wstring path(folder);
    path += name;
    return path;
}

ClPieces cl_pieces(std::wstring_view cl_folder, std::wstring_view cl_file) {
    ClPieces pieces;
    pieces.cl_path = joined_path(cl_folder, cl_file);
    pieces.drive_letter = cl_folder.substr(0, 1);
    pieces.folder_part = cl_folder.size() > 2 ? cl_folder.substr(2) : std::wstring_view();
    const auto period = cl_file.rfind(L'.');
    if (period == std::wstring_view::npos) {
        pieces.extension = cl_file;
    } else {
        pieces.base_name = cl_file.substr(0, period);
        pieces.extension = cl_file.substr(period + 1);
    }
    return pieces;
}

} // namespace workbench

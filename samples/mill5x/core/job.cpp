#include "job.h"

#include "postprocessor.h"
#include "settings.h"
#include "status_report.h"

#include <fstream>
#include <optional>
#include <sstream>

namespace mill5x {

namespace {

namespace fs = std::filesystem;

std::string display(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::optional<std::string> read_file(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return std::move(text).str();
}

bool write_file(const fs::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return !file.fail();
}

fs::path output(const fs::path& cl_path, const fs::path& base_name, const char* extension) {
    return cl_path.parent_path() / fs::path(base_name.native() + fs::path(extension).native());
}

} // namespace

JobOutcome run_job(const fs::path& cl_path, const fs::path& base_name,
                   const fs::path& settings_path) {
    const fs::path status_path = output(cl_path, base_name, ".NCS");
    const std::string cl_name = display(cl_path);
    const auto fail = [&](const std::string& reason) {
        // The status tells the user in the workbench's list; the caller shows it as well.
        // Without a base name there is no status file to name.
        if (!base_name.empty()) write_file(status_path, failure_report(cl_name, reason));
        return JobOutcome{false, reason};
    };
    std::error_code error;
    if (fs::is_directory(cl_path, error))
        return fail("no CL file was chosen: " + cl_name + " is a folder");

    MachineSettings settings;
    const auto settings_text = read_file(settings_path);
    if (!settings_text) return fail("cannot read the machine settings " + display(settings_path));
    try {
        settings = read_settings(*settings_text);
    } catch (const SettingsError& error) {
        return fail(display(settings_path) +
                    (error.line() > 0 ? ", line " + std::to_string(error.line()) : "") + ": " +
                    error.what());
    }

    const auto cl_text = read_file(cl_path);
    if (!cl_text) return fail("cannot read the CL file " + cl_name);

    const PostResult result = post_process(*cl_text, settings, display(cl_path.filename()));
    const fs::path nc_path = output(cl_path, base_name, ".NC1");
    for (const auto& [path, text] :
         {std::pair{nc_path, result.nc_program},
          {output(cl_path, base_name, ".NCL"), result.listing},
          {status_path, status_report(result, cl_name, display(nc_path.filename()))}})
        if (!write_file(path, text)) return {true, "cannot write " + display(path)};
    return {true, {}};
}

} // namespace mill5x

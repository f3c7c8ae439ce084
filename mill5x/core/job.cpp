#include "job.h"

#include "machine/settings.h"
#include "postprocessor.h"
#include "status_report.h"

#include <array>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace mill5x {

using machine::read_settings;

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

// An output written beside its final name and put in its place only when the whole run
// succeeded: a failed write leaves the previous outputs as they were.
class PendingOutput {
public:
    explicit PendingOutput(fs::path path) : path_(std::move(path)), temporary_(path_) {
        temporary_ += ".tmp";
        file_.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        file_.open(temporary_, std::ios::binary | std::ios::trunc);
    }
    ~PendingOutput() {
        if (file_.is_open()) file_.close();
        std::error_code ignored;
        fs::remove(temporary_, ignored);
    }
    std::ofstream& stream() { return file_; }
    const fs::path& path() const { return path_; }
    const fs::path& temporary() const { return temporary_; }
    bool close() {
        file_.close();
        return !file_.fail();
    }
    bool put_in_place() {
        std::error_code error;
        fs::rename(temporary_, path_, error);
        if (error) { // a system whose rename does not replace
            fs::remove(path_, error);
            fs::rename(temporary_, path_, error);
        }
        return !error;
    }

private:
    fs::path path_, temporary_;
    std::array<char, 1 << 16> buffer_;
    std::ofstream file_;
};

} // namespace

JobOutcome run_job(const fs::path& cl_path, const fs::path& base_name,
                   const fs::path& settings_path) {
    const fs::path status_path = output(cl_path, base_name, ".NCS");
    const fs::path program = output(cl_path, base_name, ".NC1");
    const std::string cl_name = display(cl_path);
    const auto fail = [&](const std::string& reason) {
        // The status tells the user in the workbench's list; the caller shows it as well.
        // The program of an earlier run no longer stands for the CL file beside a status that
        // says this run failed: a batch file would send it. Without a base name there is no
        // status file to name.
        if (!base_name.empty()) {
            std::error_code ignored;
            fs::remove(program, ignored);
            write_file(status_path, failure_report(cl_name, reason));
        }
        return JobOutcome{false, false, reason};
    };
    std::error_code error;
    if (fs::is_directory(cl_path, error))
        return fail("no CL file was chosen: " + cl_name + " is a folder");

    machine::Settings settings;
    const auto settings_text = read_file(settings_path);
    if (!settings_text) return fail("cannot read the machine settings " + display(settings_path));
    try {
        settings = read_settings(*settings_text);
    } catch (const machine::SettingsError& error) {
        return fail(display(settings_path) +
                    (error.line() > 0 ? ", line " + std::to_string(error.line()) : "") + ": " +
                    error.what());
    }

    std::ifstream cl(cl_path, std::ios::binary);
    if (!fs::is_regular_file(cl_path, error) || !cl)
        return fail("cannot read the CL file " + cl_name);

    // The body of the NC program is written first; its head is known at the end.
    fs::path failed_program = program;
    failed_program += ".FAILED";
    PendingOutput body(output(cl_path, base_name, ".NC1.body")),
        listing(output(cl_path, base_name, ".NCL")), status(status_path);
    const std::string settings_name = display(settings_path.filename());
    const PostRun result = post_process(cl, body.stream(), listing.stream(), settings,
                                        {display(cl_path.filename()), settings_name});
    if (cl.bad()) return fail("cannot read the CL file " + cl_name + " to its end");
    if (!body.close()) return {true, false, "cannot write " + display(program)};

    PendingOutput nc(result.failed() ? failed_program : program);
    nc.stream().write(result.nc_head.data(), static_cast<std::streamsize>(result.nc_head.size()));
    std::ifstream body_text(body.temporary(), std::ios::binary);
    std::vector<char> buffer(1 << 20);
    while (body_text.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) ||
           body_text.gcount() > 0)
        nc.stream().write(buffer.data(), body_text.gcount());
    if (body_text.bad()) return {true, false, "cannot read " + display(body.temporary())};
    body_text.close();

    const std::string status_text =
        status_report(result, settings, {cl_name, display(nc.path().filename()), settings_name});
    status.stream().write(status_text.data(), static_cast<std::streamsize>(status_text.size()));
    // The status last: whoever waits for it finds the other two in place.
    for (PendingOutput* file : {&nc, &listing, &status})
        if (!file->close()) return {true, false, "cannot write " + display(file->path())};
    for (PendingOutput* file : {&nc, &listing, &status})
        if (!file->put_in_place()) return {true, false, "cannot write " + display(file->path())};
    // Only the program of this run stays beside the CL file.
    fs::remove(result.failed() ? program : failed_program, error);
    return {true, !result.failed(), {}};
}

} // namespace mill5x

// Runs the oxel tool as a user does, from a folder, and keeps its status and what it wrote
#pragma once

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <string>

#include "support/recorder.h"

struct ToolRun {
    int status;
    std::string out, err;
};

#ifdef _WIN32
// cmd.exe strips the outer quotes of the whole line, so the line gets one pair more; system() answers the
// exit code itself. The tool writes text mode: its line ends are read back as single line feeds.
inline std::string quoted(const std::string &path) { return "\"" + path + "\""; }
inline std::string in_folder(const std::string &folder, const std::string &command) {
    return "\"cd /d " + quoted(folder) + " && " + command + "\"";
}
inline int exit_status(int status) { return status; }
inline std::string tool_text(std::string text) {
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}
#else
inline std::string quoted(const std::string &path) { return "'" + path + "'"; }
inline std::string in_folder(const std::string &folder, const std::string &command) {
    return "cd " + quoted(folder) + " && " + command;
}
inline int exit_status(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }
inline std::string tool_text(const std::string &text) { return text; }
#endif

// Runs a command line in a folder (the source folder unless given): its exit status and what it wrote.
inline ToolRun run_command(const std::string &command, const std::string &folder = OXEL_SOURCE_DIR) {
    const std::string out = write_temp_file("tool.out", ""), err = write_temp_file("tool.err", "");
    const std::string redirected = command + " >" + quoted(out) + " 2>" + quoted(err);
    const int status = std::system(in_folder(folder, redirected).c_str());
    return {exit_status(status), tool_text(read_file(out)), tool_text(read_file(err))};
}

// `environment`: assignments put before the tool's name, as a shell reads them.
inline ToolRun run_tool(const std::string &arguments, const std::string &environment = "",
                        const std::string &folder = OXEL_SOURCE_DIR) {
    return run_command(environment + quoted(OXEL_TOOL_PATH) + " " + arguments, folder);
}

#pragma once

#include <cstdio>
#include <regex>
#include <string>

// What poppler's pdfinfo and pdftotext tell about a PDF file.
namespace fljudge::test {

inline std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t read = 0;
        while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, read);
        }
        pclose(pipe);
    }
    return output;
}

inline std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

struct PdfInfo {
    int pages = 0;
    double widthPoints = 0;
    double heightPoints = 0;
    std::string paper;  // "A4", "A3", as pdfinfo names the size
};

inline PdfInfo ReadPdfInfo(const std::string& path) {
    PdfInfo info;
    const std::string output = CommandOutput("pdfinfo " + Quoted(path) + " 2>/dev/null");
    std::smatch match;
    if (std::regex_search(output, match, std::regex(R"(Pages:\s+(\d+))"))) {
        info.pages = std::stoi(match[1]);
    }
    if (std::regex_search(output, match,
                          std::regex(R"(Page size:\s+([\d.]+) x ([\d.]+) pts(?: \((\w+)\))?)"))) {
        info.widthPoints = std::stod(match[1]);
        info.heightPoints = std::stod(match[2]);
        info.paper = match[3];
    }
    return info;
}

// The text of one page (1-based), or of all pages for page 0.
inline std::string PdfText(const std::string& path, int page = 0) {
    const std::string range =
        page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    return CommandOutput("pdftotext" + range + " " + Quoted(path) + " - 2>/dev/null");
}

}  // namespace fljudge::test

#include "core/tokens.h"

namespace tv {

std::vector<std::string> tokenize(const std::string& line) {
    std::vector<std::string> out;
    size_t i = 0, n = line.size();
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        if (i >= n) break;
        std::string tok;
        bool quoted = false;
        while (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            if (line[i] == '"') {
                quoted = true;
                ++i;
                bool closed = false;
                while (i < n) {
                    char c = line[i++];
                    if (c == '"') { closed = true; break; }
                    if (c == '\\') {
                        if (i >= n) throw TokenError("unterminated escape");
                        char e = line[i++];
                        if (e == '"' || e == '\\') tok += e;
                        else if (e == 'n') tok += '\n';
                        else throw TokenError(std::string("bad escape \\") + e);
                    } else {
                        tok += c;
                    }
                }
                if (!closed) throw TokenError("unterminated quote");
            } else {
                tok += line[i++];
            }
        }
        (void)quoted;
        out.push_back(tok);
    }
    return out;
}

std::string quote(const std::string& text) {
    std::string q = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') { q += '\\'; q += c; }
        else if (c == '\n') q += "\\n";
        else q += c;
    }
    return q + "\"";
}

}  // namespace tv

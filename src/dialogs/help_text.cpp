#include "dialogs/help_text.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "base/number_text.h"
#include "base/utf8.h"

namespace tarvik {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

// The text an entity stands for ("amp" for "&amp;"), or nothing for one unknown.
std::optional<std::string> Entity(std::string_view name) {
  if (name == "amp") return "&";
  if (name == "lt") return "<";
  if (name == "gt") return ">";
  if (name == "quot") return "\"";
  if (name == "apos") return "'";
  if (name == "nbsp") return " ";
  if (name.size() > 1 && name.front() == '#') {
    const std::int32_t code = ParseInteger(name.substr(1));
    if (code > 0 && code < 0x110000) {
      std::string text;
      AppendUtf8(text, static_cast<char32_t>(code));
      return text;
    }
  }
  return std::nullopt;
}

// The value of attribute `name` in a tag's text, or empty.
std::string Attribute(std::string_view tag, std::string_view name) {
  const std::string lower = Lower(tag);
  std::size_t at = 0;
  while ((at = lower.find(name, at)) != std::string::npos) {
    std::size_t after = at + name.size();
    const bool starts_word = at > 0 && IsSpace(lower[at - 1]);
    while (after < lower.size() && IsSpace(lower[after])) ++after;
    if (!starts_word || after >= lower.size() || lower[after] != '=') {
      at = after;
      continue;
    }
    ++after;
    while (after < tag.size() && IsSpace(tag[after])) ++after;
    if (after >= tag.size()) return {};
    const char quote = tag[after];
    if (quote == '"' || quote == '\'') {
      const std::size_t end = tag.find(quote, after + 1);
      return std::string(tag.substr(
          after + 1, end == std::string_view::npos ? std::string_view::npos : end - after - 1));
    }
    std::size_t end = after;
    while (end < tag.size() && !IsSpace(tag[end])) ++end;
    return std::string(tag.substr(after, end - after));
  }
  return {};
}

class TextBuilder {
 public:
  void Characters(std::string_view text) {
    for (char c : text) {
      if (IsSpace(c)) {
        pending_space_ = true;
        continue;
      }
      if (pending_space_ && !AtLineStart()) Put(" ");
      pending_space_ = false;
      Put(std::string_view(&c, 1));
    }
  }
  // Ends the line, and leaves `blank` empty lines after it (none at the very start).
  void Break(int blank) {
    pending_space_ = false;
    if (text_.empty()) return;
    int lines = 0;
    for (std::size_t end = text_.size(); end >= 2 && text_.compare(end - 2, 2, "\r\n") == 0;
         end -= 2) {
      ++lines;
    }
    for (; lines < blank + 1; ++lines) text_ += "\r\n";
  }
  void Bullet() {
    Break(0);
    text_ += "  \u2022 ";
  }
  void StartLink(std::string href) {
    link_href_ = std::move(href);
    link_title_.clear();
    in_link_ = true;
  }
  void EndLink() {
    if (!in_link_) return;
    in_link_ = false;
    if (link_href_.empty()) return;
    const bool known = std::any_of(links_.begin(), links_.end(),
                                   [&](const HelpLink& link) { return link.href == link_href_; });
    if (!known) links_.push_back({link_title_, link_href_});
  }
  HelpText Finish() {
    while (text_.size() >= 2 && text_.compare(text_.size() - 2, 2, "\r\n") == 0) {
      text_.resize(text_.size() - 2);
    }
    return {std::move(text_), std::move(links_)};
  }

 private:
  bool AtLineStart() const { return text_.empty() || text_.back() == '\n' || text_.back() == ' '; }
  void Put(std::string_view text) {
    text_ += text;
    if (in_link_) {
      if (text == " " && link_title_.empty()) return;
      link_title_ += text;
    }
  }

  std::string text_;
  bool pending_space_ = false;
  bool in_link_ = false;
  std::string link_href_;
  std::string link_title_;
  std::vector<HelpLink> links_;
};

void Tag(std::string_view tag, TextBuilder& out) {
  const bool closing = !tag.empty() && tag.front() == '/';
  if (closing) tag.remove_prefix(1);
  std::size_t name_end = 0;
  while (name_end < tag.size() && !IsSpace(tag[name_end]) && tag[name_end] != '/') ++name_end;
  const std::string name = Lower(tag.substr(0, name_end));
  if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') {
    out.Break(1);
  } else if (name == "p" || name == "ul" || name == "ol" || name == "table") {
    out.Break(1);
  } else if (name == "br" || name == "tr" || name == "div") {
    out.Break(0);
  } else if (name == "li" && !closing) {
    out.Bullet();
  } else if (name == "a") {
    if (closing) {
      out.EndLink();
    } else {
      out.StartLink(Attribute(tag, "href"));
    }
  }
}

}  // namespace

HelpText HtmlToHelpText(std::string_view html) {
  TextBuilder out;
  std::size_t at = 0;
  while (at < html.size()) {
    const char c = html[at];
    if (c == '<') {
      const std::size_t end = html.find('>', at);
      if (end == std::string_view::npos) break;
      Tag(html.substr(at + 1, end - at - 1), out);
      at = end + 1;
    } else if (c == '&') {
      const std::size_t end = html.find(';', at);
      const std::optional<std::string> entity = end != std::string_view::npos && end - at <= 10
                                                    ? Entity(html.substr(at + 1, end - at - 1))
                                                    : std::nullopt;
      if (entity) {
        out.Characters(*entity == " " ? std::string_view("\xC2\xA0") : std::string_view(*entity));
        at = end + 1;
      } else {
        out.Characters("&");
        ++at;
      }
    } else {
      const std::size_t end = html.find_first_of("<&", at);
      const std::size_t stop = end == std::string_view::npos ? html.size() : end;
      out.Characters(html.substr(at, stop - at));
      at = stop;
    }
  }
  return out.Finish();
}

}  // namespace tarvik

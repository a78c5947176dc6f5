#include <gtest/gtest.h>

#include "online/html_filter.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(HtmlFilter, DropsWhatRunsCodeAndKeepsTextTablesFontsAndPictures) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"<p>八字</p><script>alert(1)</script>", "<p>八字</p>"},
      {"<img src=\"x.png\" onerror=\"alert(1)\" width=20>", "<img src=\"x.png\" width=\"20\">"},
      {"<a href=\" JaVa\tScript:alert(1)\">甲</a>", "<a>甲</a>"},
      {"<a href=\"http://127.0.0.1:8000/s\">乙</a>", "<a href=\"http://127.0.0.1:8000/s\">乙</a>"},
      {"<iframe src=\"http://x\"></iframe>丙", "丙"},
      {"<object data=\"x\"><embed src=\"y\"></object><applet code=\"a\"></applet>丁", "丁"},
      {"<meta http-equiv=\"refresh\" content=\"0;url=http://x\">戊", "戊"},
      {"<TABLE><TR><TD><font size=\"2\">己</font></TD></TR></TABLE>",
       "<table><tbody><tr><td><font size=\"2\">己</font></td></tr></tbody></table>"},
      {"<div style=\"width:expression(alert(1))\" class=\"c\">庚</div>", "<div class=\"c\">庚</div>"},
      {"<!--[if IE]><script>x</script><![endif]-->辛", "辛"},
      // Only web addresses and relative ones stay: no data, local files or other schemes.
      {"<img src=\"data:image/png;base64,AAAA\"><img src=\"data:text/html,<script>\">", "<img><img>"},
      {"<a href=\"velmora:/etc/passwd\">1</a><img src=\"file:///etc/passwd\"><a href=\" \tFiLe:x\">2</a>"
       "<a href=\"blob:http://x/1\">3</a><body background=\"ftp://x/a.png\">",
       "<a>1</a><img><a>2</a><a>3</a>"},
      {"<a href=\"HTTPS://x/\">1</a><a href=\"images/a.png\">2</a><a href=\"/s?w=a:b\">3</a><a href=\"#top\">4</a>",
       "<a href=\"HTTPS://x/\">1</a><a href=\"images/a.png\">2</a><a href=\"/s?w=a:b\">3</a><a href=\"#top\">4</a>"},
      // Addresses that load or tell on their own are dropped whatever they hold,
      // and a link opens no window that could reach back into ours.
      {"<img src=\"a.png\" srcset=\"http://x/b.png 2x\"><a href=\"http://x/\" ping=\"http://x/p\" target=\"_blank\">甲</a>",
       "<img src=\"a.png\"><a href=\"http://x/\">甲</a>"},
      // A style that loads something, however spelt, goes; colours and sizes stay.
      {"<p style=\"background:url(http://x/a.png)\">1</p><p style=\"background: U R L ( x )\">2</p>"
       "<p style=\"background:\\75rl(x)\">3</p><p style=\"background-image:image-set('x' 1x)\">4</p>"
       "<p style=\"@import 'x'\">5</p><p style=\"color:rgb(1,2,3);width:50%\">6</p>",
       "<p>1</p><p>2</p><p>3</p><p>4</p><p>5</p><p style=\"color:rgb(1,2,3);width:50%\">6</p>"},
      {"<svg onload=\"alert(1)\"><circle/></svg>壬", "壬"},
      {"a &lt;script&gt; b &amp; &nbsp;c", "a &lt;script&gt; b &amp; &#160;c"},
      {"line1\r\nline2\r\n<br>", "line1\r\nline2\r\n<br>"},
      // A form and its controls go, what it holds stays: nothing typed into a
      // local page is sent anywhere.
      {"<form action=\"javascript:x()\"><input type=\"submit\" formaction=\"javascript:y()\"></form>", ""},
      {"<form action=\"http://x/\" method=\"post\"><p>乙</p><input type=\"password\" name=\"p\">"
       "<select name=\"s\"><option>1</option></select><textarea>2</textarea><button>3</button><keygen></form>丙",
       "<p>乙</p>丙"},
      {"<x-y onclick=\"z\">癸</x-y>", "<x-y>癸</x-y>"},
      // A reference past every character: the parser's stray byte becomes "?".
      {"<p>a&#x0988888888888888888888;b</p>", "<p>a?b</p>"},
      // A vertical tab belongs to the tag's name: these are no script and no meta.
      {"<script\v>alert(1)</script\v>子", "alert(1)子"},
      {"<meta\vx content=\"1\">丑", "丑"},
      // A line break inside a value stays in the value without breaking an output line.
      {"<p title=\"a\nb\r\nc\">子</p>", "<p title=\"a&#10;b&#10;c\">子</p>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GbkToUtf8(FilterAnswerHtml(Utf8ToGbk(c.in))), c.out) << c.in;
  }
}

TEST(HtmlFilter, WritesStructureTagsOnlyWhereTheAnswerHadThem) {
  EXPECT_EQ(FilterAnswerHtml("<body bgcolor=\"white\" onload=\"x()\"><p>a</p></body>"),
            "<body bgcolor=\"white\"><p>a</p></body>");
  EXPECT_EQ(FilterAnswerHtml("<html><head><title>t</title><script>x</script></head><body>b</body></html>"),
            "<html><head></head><body>b</body></html>");
  EXPECT_EQ(FilterAnswerHtml(""), "");
}

TEST(HtmlFilter, BrokenBytesAndUnbalancedMarkupComeOutAsSafeText) {
  EXPECT_EQ(FilterAnswerHtml("<b>x\xB0"), "<b>x?</b>");
  // "scr<script" is one odd tag name: not written, its text kept as text.
  EXPECT_EQ(FilterAnswerHtml("<scr<script>ipt>alert(1)</script>"), "ipt&gt;alert(1)");
  EXPECT_EQ(FilterAnswerHtml("<script>"), "");
}

}  // namespace
}  // namespace velmora

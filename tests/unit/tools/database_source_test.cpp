#include "database_source.h"

#include <gtest/gtest.h>

#include "strings_source.h"
#include "text/string_table.h"

namespace zentrova::tool {
namespace {

using StringTable = std::map<int, std::string>;

std::vector<std::string> Compile(const std::string& source) {
  auto compiled = CompileDatabaseSource(source);
  if (const auto* error = std::get_if<SourceError>(&compiled)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->message;
    return {};
  }
  return std::get<CompiledDatabase>(compiled).records;
}

TEST(DatabaseSource, CompilesEngineBlocksGroupsAndPageLines) {
  const std::string source =
      "# a comment\r\n"
      "engine Example Search\r\n"
      "  success   https://example.com/\n"
      "  action https://example.com/add\n"
      "  method GET\n"
      "  kind search engine\n"
      "  home https://example.com/\n"
      "  no-adult yes\n"
      "  protocol indexnow\n"
      "  field url = %001\n"
      "  field \"a=b\" = \"  spaced  \"\n"
      "  field q = x = y, z # not a comment\n"
      "  page <p>inside</p>\n"
      "end\n"
      "\n"
      "engine Plain\n"
      "  kind directory\n"
      "  method POST\n"
      "  action https://plain.example/\n"
      "  success Thanks\n"
      "  specialized yes\n"
      "end\n"
      "group Plain = 120\n"
      "  entry arts = Arts & Culture\n"
      "  entry \"\" = \"tab\\there\"\n"
      "page\n"
      "record 9kept as it is\n";
  EXPECT_EQ(Compile(source), (std::vector<std::string>{
                                 "6indexnow",
                                 "1url,%001",
                                 "1a=b,  spaced  ",
                                 "1q,x = y, z # not a comment",
                                 "5<p>inside</p>",
                                 "2Example Search,https://example.com/,TFhttps://example.com/add,"
                                 "GShttps://example.com/",
                                 "2Plain,Thanks,FThttps://plain.example/,PD",
                                 "3Plain,120",
                                 "4arts[]Arts & Culture",
                                 "4[]tab\there",
                                 "5",
                                 "9kept as it is",
                             }));
}

TEST(DatabaseSource, ErrorsNameTheirLine) {
  const std::string engine = "engine E\n success s\n action a\n method GET\n kind news\n";
  std::string thirtyOneFields = "engine Many\n success s\n action a\n method GET\n kind news\n";
  for (int i = 0; i < 31; ++i) {
    thirtyOneFields += " field f = v\n";
  }
  thirtyOneFields += "end\n";
  struct Case {
    std::string source;
    int line;
    std::string message;
  };
  const Case cases[] = {
      {"\n\nbogus 1\n", 3, "unknown keyword 'bogus'"},
      {"field a = b\n", 1, "'field' outside an engine block"},
      {"kind news\n", 1, "'kind' outside an engine block"},
      {"end\n", 1, "'end' without an open engine block"},
      {engine, 1, "engine block is never closed with 'end'"},
      {engine + "engine F\n", 6, "'engine' inside the engine block of line 1"},
      {engine + " kind directory\nend\n", 6, "'kind' given twice for this engine"},
      {"engine E\n success s\n action a\n method PUT\n kind news\nend\n", 6,
       "method is GET or POST"},
      {"engine E\n success s\n action a\n method GET\nend\n", 5, "has no 'kind'"},
      {"engine E\n success s\n action a\n method GET\n kind web\nend\n", 6, "kind is"},
      {engine + " no-adult maybe\nend\n", 7, "yes or no"},
      {"engine E\n success x,y\n action a\n method GET\n kind news\nend\n", 6,
       "success marker cannot contain a comma"},
      {"engine A,B\n", 1, "engine name cannot contain a comma"},
      {"engine\n", 1, "an engine needs a name"},
      {engine + " field a,b = c\nend\n", 6, "field name cannot contain a comma"},
      {engine + " field ab\nend\n", 6, "expected NAME = VALUE"},
      {engine + " field a = \"open\nend\n", 6, "no closing quote"},
      {engine + " field a = \"x\" y\nend\n", 6, "text after the closing quote"},
      {engine + " field a = \"\\q\"\nend\n", 6, "unknown escape"},
      {engine + " field a = \"\\x4\"\nend\n", 6, "two hexadecimal digits"},
      {engine + " field a = \"\\x00\"\nend\n", 6, "cannot be stored"},
      {"entry a = b\n", 1, "'entry' before any group"},
      {"group G = 1\nentry a[]b = c\n", 2, "cannot contain \"[]\""},
      {"group G,H = 1\n", 1, "group title cannot contain a comma"},
      {"\ngroup G = 1000\n", 2, "slot is not a number from 1 to 999"},
      {"page " + std::string(14877, 'x') + "\n", 1, "record longer than 14877"},
      {thirtyOneFields, 36, "more than 30 form fields"},
      {"protocol indexnow\n", 1, "'protocol' outside an engine block"},
      {engine + " protocol soap\nend\n", 6, "the protocol is indexnow"},
  };
  for (const auto& c : cases) {
    const auto compiled = CompileDatabaseSource(c.source);
    const auto* error = std::get_if<SourceError>(&compiled);
    ASSERT_NE(error, nullptr) << c.source;
    EXPECT_EQ(error->line, c.line) << c.source;
    EXPECT_NE(error->message.find(c.message), std::string::npos)
        << error->message << " / " << c.source;
  }
}

TEST(DatabaseSource, DecompilingThenCompilingGivesBackTheSameRecords) {
  const std::vector<std::string> records = {
      "4before any group[]kept raw",
      "1url,%001",
      "3Interleaved,12",
      "4  value  []caption with [] inside",
      "1\"quoted name,  value with\ttab ",
      "5  indented page line",
      "1a=b,=",
      "2Engine,marker,TThttps://a.example/,GN",
      "6indexnow",  // an engine's protocol comes before its fields
      "1url,%001",
      "2Speaks IndexNow,m,FFa,GS",
      "6soap",  // a protocol unknown to this program, inside the engine
      "6indexnow",
      "2Both Protocols,m,FFa,GS",
      "6indexnow",  // no engine closes it
      "2Empty Home,m,FFa,PL",
      "2Odd Flags,m,XYa,GS",  // flags the compiler never writes
      "2Short,m,FFa,",        // no method and kind characters
      "2,nameless,FFa,GS",
      "3Padded,007",
      "4x[]in a raw group",
      "",
      "9unknown kind",
      "5\"quote first",
      "5line\r\nbreak",
      "1trailing,field",
  };
  const std::string source = DecompileDatabase(records);
  EXPECT_EQ(Compile(source), records) << source;
}

TEST(StringsSource, CompilesScrambledTextsAndDumpsThemBack) {
  const auto compiled = CompileStringsSource(
      "# ids\n23 = https://zentrova.example/\n25=status\n1000 = \"  Zentrova\\r\\n\"\n2 =\n");
  ASSERT_TRUE(std::holds_alternative<StringTable>(compiled));
  const auto& table = std::get<StringTable>(compiled);
  ASSERT_EQ(table.size(), 4u);
  EXPECT_EQ(RestoreText(table.at(23)), "https://zentrova.example/");
  EXPECT_EQ(RestoreText(table.at(25)), "status");
  EXPECT_EQ(RestoreText(table.at(1000)), "  Zentrova\r\n");
  EXPECT_EQ(RestoreText(table.at(2)), "");

  const auto again = CompileStringsSource(DecompileStrings(table));
  ASSERT_TRUE(std::holds_alternative<StringTable>(again));
  EXPECT_EQ(std::get<StringTable>(again), table);
}

TEST(StringsSource, ErrorsNameTheirLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"1 = a\n\nx = b\n", "the id must be a number"},
      {"1 = a\n\n65536 = b\n", "the id must be a number"},
      {"1 = a\n\n1 = b\n", "id 1 given twice"},
      {"1 = a\n\nno equals\n", "expected NAME = VALUE"},
      {"1 = a\n\n2 = \"\\xFF\"\n", "cannot be stored"},
  };
  for (const auto& [source, message] : cases) {
    const auto compiled = CompileStringsSource(source);
    const auto* error = std::get_if<SourceError>(&compiled);
    ASSERT_NE(error, nullptr) << source;
    EXPECT_EQ(error->line, 3) << source;
    EXPECT_NE(error->message.find(message), std::string::npos) << error->message;
  }
}

}  // namespace
}  // namespace zentrova::tool

#include "launcher/text_table.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "form/failure.h"
#include "form/utf8.h"
#include "launcher/text_table_data.h"

namespace n5 {
namespace {

std::size_t Characters(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) utf8::Next(text, pos);
  return count;
}

TEST(TextTable, HoldsExactlyTheFourteenIdsInBothVariants) {
  std::set<int> ids;
  for (const TextEntry& entry : TextEntries()) ids.insert(entry.id);
  std::set<int> expected;
  for (int id = 101; id <= 114; ++id) expected.insert(id);
  EXPECT_EQ(ids, expected);
  EXPECT_EQ(TextEntries().size(), 14U) << "no id twice";

  for (TextVariant variant : {TextVariant::Simplified, TextVariant::Traditional}) {
    BuiltInTextTable table(variant);
    for (int id = 101; id <= 114; ++id) {
      std::string text = LoadText(table, id);
      EXPECT_GE(Characters(text), 4U) << id;
      EXPECT_LE(Characters(text), 109U) << id;
      EXPECT_EQ(text.find('\n'), std::string::npos) << id;
    }
  }
}

TEST(TextTable, GivesEachVariantItsOwnTexts) {
  struct Case {
    int id;
    const char* simplified;
    const char* traditional;
  } cases[] = {
      {101, "欢迎使用【N5-企业管理软件】", "歡迎使用【N5-企業管理軟件】"},
      {102, "安装产品", "安裝產品"},
      {106, "退出安装", "退出安裝"},
      {110, "N5-企业管理软件产品安装说明", "N5-企業管理軟體產品安裝說明"},
      {112, "N5-企业管理软件产品功能介绍", "N5-企業管理軟體產品功能介紹"},
      {113, "TARVEN\\TARVENInstallation_cn.pdf", "TARVEN\\TARVENInstallation_tw.pdf"},
      {114, "N5-企业管理软件安装程序", "N5-企業管理軟體安裝程式"},
  };
  BuiltInTextTable simplified(TextVariant::Simplified);
  BuiltInTextTable traditional(TextVariant::Traditional);
  for (const Case& c : cases) {
    EXPECT_EQ(LoadText(simplified, c.id), c.simplified);
    EXPECT_EQ(LoadText(traditional, c.id), c.traditional);
  }
}

TEST(TextTable, WritesTheHotlineAsTenDigitsInGroupsOfFourThreeAndThree) {
  for (auto [variant, prefix] : {std::pair{TextVariant::Simplified, "服务热线："},
                                 std::pair{TextVariant::Traditional, "服務熱線："}}) {
    std::string text = LoadText(BuiltInTextTable(variant), 107);
    ASSERT_EQ(text.rfind(prefix, 0), 0U) << text;
    std::string number = text.substr(std::string(prefix).size());
    ASSERT_EQ(number.size(), 12U) << number;
    for (std::size_t i = 0; i < number.size(); ++i) {
      if (i == 4 || i == 8) {
        EXPECT_EQ(number[i], ' ') << number;
      } else {
        EXPECT_TRUE(number[i] >= '0' && number[i] <= '9') << number;
      }
    }
    EXPECT_EQ(Characters(text), 17U);
  }
}

TEST(TextTable, FailsForAnIdItDoesNotHold) {
  BuiltInTextTable table(TextVariant::Simplified);
  for (int id : {0, 100, 115, -101}) {
    EXPECT_FALSE(table.Find(id).has_value()) << id;
    EXPECT_THROW(LoadText(table, id), Failure) << id;
  }
}

TEST(ChooseTextVariant, GivesTraditionalForTaiwanHongKongMacauAndHant) {
  struct Case {
    const char* tag;
    TextVariant expected;
  } cases[] = {
      {"zh-CN", TextVariant::Simplified},
      {"zh-TW", TextVariant::Traditional},
      {"zh-HK", TextVariant::Traditional},
      {"zh-MO", TextVariant::Traditional},
      {"zh-SG", TextVariant::Simplified},
      {"zh", TextVariant::Simplified},
      {"zh-Hant", TextVariant::Traditional},
      {"zh-Hans", TextVariant::Simplified},
      {"zh-Hant-CN", TextVariant::Traditional},
      {"zh-Hans-HK", TextVariant::Simplified},
      {"zh_TW.UTF-8", TextVariant::Traditional},
      {"zh_CN.UTF-8", TextVariant::Simplified},
      {"zh_HK.Big5-HKSCS", TextVariant::Traditional},
      {"ZH-tw", TextVariant::Traditional},
      {"en-US", TextVariant::Simplified},
      {"en_US.UTF-8", TextVariant::Simplified},
      {"C", TextVariant::Simplified},
      {"", TextVariant::Simplified},
      {"tw", TextVariant::Simplified},
      {"zh_TW@euro", TextVariant::Traditional},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseTextVariant(c.tag), c.expected) << c.tag;
  EXPECT_EQ(LanguageId(TextVariant::Simplified), 2052);
  EXPECT_EQ(LanguageId(TextVariant::Traditional), 1028);
}

}  // namespace
}  // namespace n5

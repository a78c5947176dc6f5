#include "online/company_naming.h"

#include "online/browser_automation.h"
#include "text/gbk.h"

namespace velmora {

std::string CompanyNamingFormTitle(const std::string& serviceDomain) {
  return "vu在线神算"_gbk + serviceDomain + "--公司起名"_gbk;
}

std::string CompanyNamingAnswerTitle(const std::string& serviceDomain) {
  return "vu在线神算"_gbk + serviceDomain + "--公司字号产生器"_gbk;
}

const std::string& CompanyNamingStartMarker() { return "vu起名网--公司字号产生器 "_gbk; }

const std::string& CompanyNamingEndMarker() { return "有偿起名服务   免费测试公司名   公司起名申请请表 "_gbk; }

const std::string& CompanyNamingWaitText() {
  return "请检查：\r\r本功能需要在线，请确认你的机器连接上互联网\r或请稍候网络连接中..."_gbk;
}

const std::vector<std::string>& CompanyTradeNames() {
  static const std::vector<std::string> trades = {
      "农林牧渔相关业"_gbk, "商品产品开采业"_gbk, "商品产品加工业"_gbk, "商品产品制造业"_gbk,
      "商品产品销售业"_gbk, "技术服务性行业"_gbk, "产品服务性行业"_gbk, "休闲服务性行业"_gbk,
      "投资相关性行业"_gbk, "物流仓储性行业"_gbk, "住宿餐饮租赁业"_gbk, "教科文卫性行业"_gbk,
  };
  return trades;
}

std::string CompanySurname(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") == std::string::npos ? "刘"_gbk : text;
}

std::string TakeCompanyNamingPage(Browser& page, LineBuffer& answer, LineBuffer& extract,
                                  const CompanyNamingRequest& request, const std::string& serviceDomain) {
  answer.Clear();
  extract.Clear();
  if (ReadTitle(page) != CompanyNamingAnswerTitle(serviceDomain)) {
    CheckRadioByValue(page, request.lengthIndex + 2);
    SetFormField(page, kNamingSurnameField, request.surname);
    SetFormField(page, kCompanyTradeField, request.trade);
    SubmitAllForms(&page);
    return CompanyNamingWaitText();
  }
  answer.Append(ReadBodyText(page));
  const int first = answer.Find(CompanyNamingStartMarker()) + 2;
  const int end = answer.Find(CompanyNamingEndMarker());
  extract.AppendLines(answer, first, end - 1);
  return extract.Text();
}

}  // namespace velmora

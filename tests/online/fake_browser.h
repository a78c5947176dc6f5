#pragma once
// A browser holding one document of elements (some inside forms), recording
// what is done to it, and raising its events when a test says so.

#include <string>
#include <vector>

#include "platform/browser.h"

namespace velmora {

class FakeBrowser : public Browser {
 public:
  static constexpr BrowserWindow kTopLevel = 1;
  static constexpr BrowserWindow kFrame = 2;

  struct Node {
    BrowserElement element;
    int form = -1;  // the form holding it; for a FORM element, its own index
    bool checked = false;
    bool writable = true;
  };

  std::string title;
  std::string bodyText;
  std::string bodyHtml;
  std::string documentHtml;
  std::vector<Node> nodes;  // document order
  std::vector<std::string> navigations;
  std::vector<int> submittedForms;
  std::vector<int> clickedElements;
  bool overflowHidden = false;
  int textSize = -1;

  // Starts a form; controls added after it belong to it until the next call.
  int AddForm() {
    const int form = FormCount();
    nodes.push_back({{"FORM", "", "", ""}, form});
    currentForm_ = form;
    return form;
  }
  void EndForm() { currentForm_ = -1; }
  void AddInput(const std::string& type, const std::string& name, const std::string& value = {}) {
    nodes.push_back({{"INPUT", type, name, value}, currentForm_});
  }
  void AddElement(const std::string& tag) { nodes.push_back({{tag, "", "", ""}, currentForm_}); }

  void Complete(BrowserWindow window = kTopLevel) {
    if (complete_) complete_(window);
  }
  void Progress() {
    if (progress_) progress_();
  }

  void Navigate(const std::string& address) override { navigations.push_back(address); }
  void OnDocumentComplete(std::function<void(BrowserWindow)> handler) override { complete_ = std::move(handler); }
  void OnProgress(std::function<void()> handler) override { progress_ = std::move(handler); }
  BrowserWindow TopLevelWindow() override { return kTopLevel; }
  std::string Title() override { return title; }
  std::string BodyText() override { return bodyText; }
  std::string BodyHtml() override { return bodyHtml; }
  std::string DocumentHtml() override { return documentHtml; }
  std::vector<BrowserElement> Elements() override {
    std::vector<BrowserElement> elements;
    for (const Node& node : nodes) elements.push_back(node.element);
    return elements;
  }
  void SetElementValue(int index, const std::string& value) override { nodes.at(index).element.value = value; }
  void SetElementChecked(int index, bool checked) override { nodes.at(index).checked = checked; }
  void ClickElement(int index) override { clickedElements.push_back(index); }
  int FormCount() override {
    int forms = 0;
    for (const Node& node : nodes) forms += node.element.tagName == "FORM";
    return forms;
  }
  std::vector<BrowserElement> FormControls(int form) override {
    std::vector<BrowserElement> controls;
    for (const Node* node : ControlsOf(form)) controls.push_back(node->element);
    return controls;
  }
  bool SetFormControlValue(int form, int control, const std::string& value) override {
    Node* node = ControlsOf(form).at(control);
    if (!node->writable) return false;
    node->element.value = value;
    return true;
  }
  void SubmitForm(int form) override { submittedForms.push_back(form); }
  void HideHorizontalOverflow() override { overflowHidden = true; }
  void SetTextSizeStep(int step) override { textSize = step; }

  // The value of the first element with that name.
  std::string ValueOf(const std::string& name) const {
    for (const Node& node : nodes) {
      if (node.element.name == name) return node.element.value;
    }
    return {};
  }

 private:
  std::vector<Node*> ControlsOf(int form) {
    std::vector<Node*> controls;
    for (Node& node : nodes) {
      if (node.form == form && node.element.tagName != "FORM") controls.push_back(&node);
    }
    return controls;
  }

  int currentForm_ = -1;
  std::function<void(BrowserWindow)> complete_;
  std::function<void()> progress_;
};

}  // namespace velmora

#pragma once

#include <gtest/gtest.h>

#include <iostream>

#include "support/fake_host.h"

// Prints the message boxes a FakeHost recorded when the test that owns this
// guard has failed by the time the guard goes out of scope:
//   FakeHost host;
//   MessagesOnFailure trace(host);
class MessagesOnFailure {
 public:
  explicit MessagesOnFailure(const FakeHost& host) : host_(host) {}
  MessagesOnFailure(const MessagesOnFailure&) = delete;
  MessagesOnFailure& operator=(const MessagesOnFailure&) = delete;
  ~MessagesOnFailure() {
    if (::testing::Test::HasFailure())
      std::cout << "Message boxes shown (" << host_.messages.size() << "):\n" << host_.Transcript();
  }

 private:
  const FakeHost& host_;
};

#pragma once
// Owning pointers for COM interfaces, BSTRs and VARIANTs.
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "support/files/text_convert.h"

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr& other) : p_(other.p_) { if (p_) p_->AddRef(); }
  ComPtr& operator=(ComPtr other) { std::swap(p_, other.p_); return *this; }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For an out parameter: releases what is held and hands out the slot.
  T** Put() { Reset(); return &p_; }
  void Reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

class ScopedBstr {
 public:
  explicit ScopedBstr(const std::string& ansi);  // empty text gives a null BSTR
  ~ScopedBstr() { SysFreeString(b_); }
  ScopedBstr(const ScopedBstr&) = delete;
  ScopedBstr& operator=(const ScopedBstr&) = delete;
  BSTR Get() const { return b_; }

 private:
  BSTR b_ = nullptr;
};

class ScopedVariant {
 public:
  ScopedVariant() { VariantInit(&v_); }
  ~ScopedVariant() { VariantClear(&v_); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;
  VARIANT* Put() { VariantClear(&v_); return &v_; }
  const VARIANT& Get() const { return v_; }

 private:
  VARIANT v_;
};

// UTF-16 from COM (a counted text, as in a BSTR) to the process's ANSI code page.
std::string WideToAnsi(const wchar_t* text, int length);

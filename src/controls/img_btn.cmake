modulix_module(img_btn
  SOURCES img_btn_layout.cpp)

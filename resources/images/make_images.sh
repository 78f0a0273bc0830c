#!/usr/bin/env bash
# Draws the pictures of the menu and the screens (ImageMagick, IPAex Gothic). The PNGs
# are committed; run this again only to change them.
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf

# Search by usage: a detached house with its parts.
convert -size 514x370 gradient:'#eaf4ff'-'#bcd9f5' \
  -stroke '#2b5d8c' -strokewidth 6 -fill '#ffffff' \
  -draw "polygon 120,180 257,80 394,180" \
  -fill '#fdfdfd' -draw "rectangle 150,180 364,290" \
  -fill '#9cc3e6' -draw "rectangle 180,205 240,250" -draw "rectangle 275,205 335,250" \
  -fill '#c98b4a' -draw "rectangle 240,230 275,290" \
  -stroke none -fill '#1d3f63' -font "$font" -pointsize 44 -gravity north \
  -annotate +0+300 '使用状態からの検索' \
  -fill '#2b5d8c' -pointsize 22 -annotate +0+20 '戸建住宅の施工部位・使われ方から探す' \
  -bordercolor '#2b5d8c' -border 3 search_usage.png

# Search by name: a list of names under a magnifying glass.
convert -size 514x370 gradient:'#eefaf0'-'#c4e8cb' \
  -stroke '#2f7a45' -strokewidth 5 -fill '#ffffff' \
  -draw "roundrectangle 130,80 330,280 12,12" \
  -stroke '#8fbf9a' -strokewidth 8 \
  -draw "line 160,120 300,120" -draw "line 160,160 300,160" \
  -draw "line 160,200 300,200" -draw "line 160,240 260,240" \
  -stroke '#2f7a45' -strokewidth 12 -fill none -draw "circle 330,190 330,240" \
  -strokewidth 16 -draw "line 366,226 410,270" \
  -stroke none -fill '#1f5230' -font "$font" -pointsize 44 -gravity north \
  -annotate +0+300 '建材名称等からの検索' \
  -fill '#2f7a45' -pointsize 22 -annotate +0+20 '建材名・商品名・メーカー名などから探す' \
  -bordercolor '#2f7a45' -border 3 search_name.png

# Help: a question mark in a circle.
convert -size 96x96 xc:none -fill '#2b6cb0' -draw "circle 48,48 48,4" \
  -fill white -font "$font" -pointsize 64 -gravity center -annotate +0+2 '?' help.png

# Banner: a quiet band with the product name.
convert -size 120x1600 gradient:'#3f7cb5'-'#1d3f63' -rotate -90 \
  -fill '#ffffff' -font "$font" -pointsize 54 -gravity west -annotate +40+0 'ソラリオ' \
  -fill '#d6e6f5' -pointsize 26 -annotate +330+8 '石綿（アスベスト）含有建材データベース' banner.png

# Tick boxes of the lists.
convert -size 18x18 xc:white -stroke '#404040' -fill none -draw "rectangle 1,1 16,16" unchecked.png
convert -size 17x17 xc:white -stroke '#404040' -fill none -draw "rectangle 1,1 15,15" \
  -stroke '#1a1a1a' -strokewidth 2 -draw "polyline 4,8 7,12 13,4" checked.png

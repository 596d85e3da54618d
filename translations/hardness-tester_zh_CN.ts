<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Device Connected</source>
        <translation>设备已连接</translation>
    </message>
    <message>
        <source>Device Disconnected</source>
        <translation>设备已断开</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Please choose group first!</source>
        <translation>请先选择组！</translation>
    </message>
    <message>
        <source>Load Data......</source>
        <translation>正在加载数据......</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No data is found!</source>
        <translation>未找到数据！</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>No data to save</source>
        <translation>没有可保存的数据</translation>
    </message>
    <message>
        <source>File open failed</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>Successfully saved</source>
        <translation>保存成功</translation>
    </message>
    <message>
        <source>Device found, but no permission to open it: install the udev rule (see README)</source>
        <translation>已找到设备，但无权打开：请安装 udev 规则（见 README）</translation>
    </message>
</context>
<context>
    <name>MyArchiveMenu</name>
    <message>
        <source>&amp;Archive</source>
        <translation>存档(&amp;A)</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>历史记录...</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>存档：%1</translation>
    </message>
    <message>
        <source>This group is already in the archive.</source>
        <translation>该组已在存档中。</translation>
    </message>
    <message>
        <source>Not archived: %1</source>
        <translation>未存档：%1</translation>
    </message>
</context>
<context>
    <name>MyHistoryDialog</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>记录数</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>硬度标尺</translation>
    </message>
    <message>
        <source>Averages</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>删除...</translation>
    </message>
    <message>
        <source>Delete download</source>
        <translation>删除下载</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>材料</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Group, date, scale, material or device</source>
        <translation>组、日期、标尺、材料或设备</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>起始日期</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>截止日期</translation>
    </message>
    <message>
        <source>Archived downloads</source>
        <translation>已存档的下载</translation>
    </message>
    <message>
        <source>Archive status</source>
        <translation>存档状态</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>筛选(&amp;F):</translation>
    </message>
    <message>
        <source>F&amp;rom:</source>
        <translation>从(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>到(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Downloads:</source>
        <translation>下载(&amp;D):</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Delete the download of %1 (group %2, records: %3) from the archive?</source>
        <translation>从存档中删除 %1 的下载（组 %2，记录数：%3）？</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n downloads from the archive?</source>
        <translation>
            <numerusform>从存档中删除 %n 个下载？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MyPrint</name>
    <message>
        <source>Hardness Test Report</source>
        <translation>硬度测试报告</translation>
    </message>
    <message>
        <source>Print date:</source>
        <translation>打印日期：</translation>
    </message>
</context>
<context>
    <name>MyTranslate</name>
    <message>
        <source>Steel and Cast Steel</source>
        <translation>钢和铸钢</translation>
    </message>
    <message>
        <source>Alloy Tool Steel</source>
        <translation>合金工具钢</translation>
    </message>
    <message>
        <source>Stainless Steel</source>
        <translation>不锈钢</translation>
    </message>
    <message>
        <source>Gray cast iron</source>
        <translation>灰铸铁</translation>
    </message>
    <message>
        <source>ductile iron</source>
        <translation>球墨铸铁</translation>
    </message>
    <message>
        <source>Cast Aluminum</source>
        <translation>铸铝</translation>
    </message>
    <message>
        <source>Copper-Zinc Alloy</source>
        <translation>铜锌合金</translation>
    </message>
    <message>
        <source>Copper Tin Alloy</source>
        <translation>铜锡合金</translation>
    </message>
    <message>
        <source>pure copper</source>
        <translation>纯铜</translation>
    </message>
    <message>
        <source>Forged Steel</source>
        <translation>锻钢</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>材料</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>探头</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>测量值</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>MyWndControl</name>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>组：</translation>
    </message>
    <message>
        <source>LoadData</source>
        <translation>加载数据</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>保存为 CSV</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>保存为 PDF</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>The file could not be written.</source>
        <translation>无法写入文件。</translation>
    </message>
</context>
</TS>
